// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's folders of a practice: inside the user's folder, "Dzieci"
// holds one folder per child, named as the child, each laid out as the
// program's directory for the child's own files (Data\data.ini, prgst6.stt,
// Nagrane\, the journal). The folders on disk are the list of children; the
// list file "dzieci.ini" beside them only names the active child, so a lost
// or damaged list file costs nothing but the choice of the active child.
// A removed child's folder goes to "Usunięte" and is never deleted.
//
// Names are cp1250 text (as everything inside the program); on disk they are
// the system's file names. Failures come back as a Polish sentence (cp1250)
// that may be shown as it is.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class ChildFolders {
public:
    static constexpr const char* kChildrenFolder = "Dzieci";
    static constexpr const char* kListFile = "dzieci.ini";
    static constexpr int kMaxNameLength = 40;

    explicit ChildFolders(std::filesystem::path practiceDir);

    const std::filesystem::path& PracticeDir() const { return practice_; }
    std::filesystem::path ChildrenDir() const { return practice_ / kChildrenFolder; }
    // "Usunięte" beside the children's folder.
    std::filesystem::path RemovedDir() const;

    // Makes the practice ready for a start: an interrupted moving of files
    // is finished, the files of a program from before profiles (settings,
    // statistics, recordings at the top of the user's folder) become a new
    // child's, and there is at least one child. False with the reason.
    bool Prepare(std::string& error);

    // The children in Polish alphabetical order.
    std::vector<std::string> Names() const;
    bool Exists(const std::string& name) const;
    std::filesystem::path FolderOf(const std::string& name) const;

    // The child the list file names, or the first child when it names none
    // that exists; empty when there are no children.
    std::string Active() const;
    bool SetActive(const std::string& name);

    // Why a name cannot be given to a child (other than except); empty when
    // it can. Spaces around the name do not count.
    std::string NameProblem(const std::string& name, const std::string& except = {}) const;
    // Each false with the reason in error; the files are left as they were.
    bool Add(const std::string& name, std::string& error);
    bool Rename(const std::string& from, const std::string& to, std::string& error);
    // Moves the child's folder, whole, into the removed children's folder.
    bool Remove(const std::string& name, std::string& error);

    // Spaces cut from both ends.
    static std::string Trimmed(const std::string& name);
    // Polish alphabetical order without regard to case.
    static bool ComesBefore(const std::string& a, const std::string& b);

private:
    bool MoveLegacyFiles(std::string& error);
    std::string FreeName(const std::string& stem) const;

    std::filesystem::path practice_;
};
