// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's profiles as the running program uses them: which child
// plays, and changing to another child between games. A change saves the
// settings of the child leaving, makes the other child's folder the program's
// directory, and loads that child's settings, statistics file and journal;
// the screens see the design's paths as before. Names are cp1250.
#pragma once

#include <string>
#include <vector>

// True when the user's folder holds children's folders and one is active;
// false when the program's directory is one child's alone (--root, tests).
bool ProfilesInUse();
// The active child's name; empty without profiles.
std::string ActiveChildName();

// Start-up: readies the children's folders of the user's folder (moving the
// files of an older program into a first child) and makes the child wanted,
// or else the child of the last run, active. remember: the choice is kept
// for the next start. With a Polish sentence in error when it fails.
enum class StartChoice { Made, FoldersFailed, NoSuchChild };
StartChoice ChooseChildAtStart(const std::string& wanted, bool remember, std::string& error);

// Each false with the reason in error (a sentence that may be shown).
bool SwitchChild(const std::string& name, std::string& error);
bool AddChild(const std::string& name, std::string& error);
// Renaming the active child keeps it active, in its renamed folder.
bool RenameChild(const std::string& from, const std::string& to, std::string& error);
// The active child cannot be removed: another must be chosen first.
bool RemoveChild(const std::string& name, std::string& error);

// The local date (year, month, day) daysBack days before today.
void LocalDate(int daysBack, int& year, int& month, int& day);
// "2026-12-07", as the journal names a day.
std::string IsoDate(int year, int month, int day);
// The therapist's notes to a local day in a child's journal (the program's
// own directory's without profiles): adding one, and those written so far.
bool AddDayNote(const std::string& child, const std::string& isoDay, const std::string& text, std::string& error);
std::vector<std::string> DayNotes(const std::string& child, const std::string& isoDay);
