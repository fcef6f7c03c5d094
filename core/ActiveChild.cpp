// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ActiveChild.h"

#include <cstdio>
#include <ctime>
#include <system_error>

#include "core/AnswerJournal.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/Program.h"
#include "platform/ChildFolders.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

ChildFolders Folders()
{
    return ChildFolders(PracticeDir());
}

// Everything the settings file keeps goes back to a first run's values, so
// that a child without a settings file starts from those and not from the
// settings of the child before.
void ResetSettings()
{
    for (int id = 1; id <= kGameCount; ++id) {
        CUstGry* record = SettingsOfGame(id);
        *record = CUstGry(record->GameId, record->Name);
    }
    Zakladka = 1;
    LU = 0;
}

void EnterChildFolder(const fs::path& folder)
{
    SetActiveChildDir(folder);
    std::error_code ec;
    fs::create_directories(folder / "Data", ec);
    // Relative paths of the design resolve against the working directory too.
    fs::current_path(folder, ec);
}

}  // namespace

bool ProfilesInUse()
{
    return !CurrentProgramPlaces().child.empty();
}

std::string ActiveChildName()
{
    if (!ProfilesInUse())
        return {};
    return Utf8ToCp1250(CurrentProgramPlaces().child.filename().string());
}

StartChoice ChooseChildAtStart(const std::string& wanted, bool remember, std::string& error)
{
    ChildFolders folders = Folders();
    if (PracticeDir().empty() || !folders.Prepare(error))
        return StartChoice::FoldersFailed;
    std::string name = folders.Active();
    if (!wanted.empty()) {
        name.clear();
        for (const std::string& child : folders.Names())
            if (EqualsNoCase(child, ChildFolders::Trimmed(wanted)))
                name = child;
        if (name.empty()) {
            error = "Nie ma dziecka o imieniu \""_cp + wanted + "\"."_cp;
            return StartChoice::NoSuchChild;
        }
        if (remember)
            folders.SetActive(name);
    }
    SetActiveChildDir(folders.FolderOf(name));
    std::error_code ec;
    fs::create_directories(folders.FolderOf(name) / "Data", ec);
    return StartChoice::Made;
}

bool SwitchChild(const std::string& name, std::string& error)
{
    ChildFolders folders = Folders();
    if (!folders.Exists(name)) {
        error = "Nie ma takiego dziecka."_cp;
        return false;
    }
    if (name == ActiveChildName())
        return true;
    SaveSettings();
    if (TheAnswerJournal)
        TheAnswerJournal->Close();
    folders.SetActive(name);
    EnterChildFolder(folders.FolderOf(name));
    ResetSettings();
    LoadSettings();
    if (Zakladka == 6)
        Zakladka = 1;
    bool ok = true;
    if (StatRec && !StatRec->EnsureFile()) {
        error = "Plik statystyk nie został poprawnie stworzony."_cp;
        ok = false;
    }
    if (TheAnswerJournal)
        TheAnswerJournal->Open();
    return ok;
}

bool AddChild(const std::string& name, std::string& error)
{
    return Folders().Add(name, error);
}

bool RenameChild(const std::string& from, const std::string& to, std::string& error)
{
    ChildFolders folders = Folders();
    const bool active = from == ActiveChildName();
    if (!active)
        return folders.Rename(from, to, error);
    // The journal is open in the folder that moves, and the folder is the
    // working directory: both are left first and taken up again after.
    if (TheAnswerJournal)
        TheAnswerJournal->Close();
    std::error_code ec;
    fs::current_path(PracticeDir(), ec);
    const bool renamed = folders.Rename(from, to, error);
    EnterChildFolder(folders.FolderOf(renamed ? ChildFolders::Trimmed(to) : from));
    if (TheAnswerJournal)
        TheAnswerJournal->Open();
    return renamed;
}

bool RemoveChild(const std::string& name, std::string& error)
{
    if (name == ActiveChildName()) {
        error = "Najpierw wybierz inne dziecko: nie można usunąć dziecka, które teraz ćwiczy."_cp;
        return false;
    }
    return Folders().Remove(name, error);
}

void LocalDate(int daysBack, int& year, int& month, int& day)
{
    const int64_t seconds = JournalTimeOf(TheClock().UniversalTime()) / 1000;
    const std::time_t now = static_cast<std::time_t>(seconds);
    std::tm tm{};
    // The standard call (Windows has no localtime_r): the user-interface
    // thread alone asks.
    if (const std::tm* local = std::localtime(&now))
        tm = *local;
    // Noon of the day asked for: the calendar, not 24-hour steps, decides the
    // date, so a change of clocks changes nothing.
    tm.tm_mday -= daysBack;
    tm.tm_hour = 12;
    tm.tm_min = 0;
    tm.tm_sec = 0;
    tm.tm_isdst = -1;
    std::mktime(&tm);
    year = tm.tm_year + 1900;
    month = tm.tm_mon + 1;
    day = tm.tm_mday;
}

std::string IsoDate(int year, int month, int day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

namespace {

// The journal of a child: the program's own while that child plays, else
// the one in the child's folder, opened for the moment.
Journal* JournalOf(const std::string& child, Journal& own, bool create)
{
    if ((child.empty() || child == ActiveChildName()) && TheAnswerJournal && TheAnswerJournal->Db().IsOpen())
        return &TheAnswerJournal->Db();
    const fs::path file = child.empty() || !ProfilesInUse() ? NativePath(Journal::kFileName)
                                                            : Folders().FolderOf(child) / Journal::kFileName;
    return own.Open(file, create) ? &own : nullptr;
}

}  // namespace

bool AddDayNote(const std::string& child, const std::string& isoDay, const std::string& text, std::string& error)
{
    const std::string trimmed = ChildFolders::Trimmed(text);
    if (trimmed.empty()) {
        error = "Proszę wpisać treść notatki."_cp;
        return false;
    }
    Journal own;
    Journal* journal = JournalOf(child, own, true);
    if (!journal) {
        error = "Nie można otworzyć dziennika dziecka."_cp;
        return false;
    }
    if (!journal->AddNote({isoDay, JournalTimeOf(TheClock().UniversalTime()), Cp1250ToUtf8(trimmed)})) {
        error = "Notatka nie została zapisana. Sprawdź, czy na dysku jest wolne miejsce."_cp;
        return false;
    }
    return true;
}

std::vector<std::string> DayNotes(const std::string& child, const std::string& isoDay)
{
    std::vector<std::string> texts;
    Journal own;
    if (Journal* journal = JournalOf(child, own, false))
        for (const JournalNote& note : journal->Notes())
            if (note.day == isoDay)
                texts.push_back(Utf8ToCp1250(note.text));
    return texts;
}
