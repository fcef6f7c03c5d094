// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What "szeptaczki raport" is asked for, as the command line and the
// children's folders give it: the children to report on (their folders and
// files found), an overview of all of them, a note to add first.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ReportRequest {
    struct Child {
        std::string name;                      // UTF-8; the folder's name with --root
        std::filesystem::path dir;             // the child's folder
        std::filesystem::path statisticsFile;  // prgst6.stt in it (its spelling on disk)
        std::filesystem::path journalFile;     // the journal in it
    };
    std::vector<Child> children;
    // Every child of the practice: an overview page with a line per child,
    // and each child's report.
    bool overview = false;
    std::filesystem::path practiceDir;  // the overview's place unless outDir is given
    std::filesystem::path outDir;       // --out; empty: each report beside its child's files
    std::string note;                   // --notatka (UTF-8): added to the one child's journal first
    std::string noteDay;                // --dzien RRRR-MM-DD; empty: today
};
