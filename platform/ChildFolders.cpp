// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's folders on disk, the list file, and the moving of the files
// of a program from before profiles into the first child's folder.
#include "platform/ChildFolders.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kListSection = "Dzieci";
constexpr const char* kActiveKey = "Aktywne";
// Files are gathered here before the folder is renamed to the child's name,
// so that a move cut short is found and finished at the next start. The dot
// keeps it out of the list of children.
constexpr const char* kStagingFolder = ".przenoszenie";
// A folder being renamed passes through this name (the dot hides it too).
const std::string kRenamingPrefix = ".zmiana-";
// The files of a child, as a program from before profiles kept them at the
// top of its directory. Paths are relative, '/' separated.
constexpr const char* kLegacyItems[] = {"Data/data.ini", "prgst6.stt", "Nagrane"};

bool IsDir(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool PathExists(const fs::path& p)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

fs::path Native(const std::string& cp1250)
{
    return Utf8Path(Cp1250ToUtf8(cp1250));
}

// The place of a letter in the Polish alphabet (ą after a, ć after c, ...),
// without regard to case; other bytes come before every letter.
int OrderOf(unsigned char c)
{
    c = LowerCp1250(c);
    int letter = -1;
    int after = 0;
    switch (c) {
    case 0xB9: letter = 'a'; after = 1; break;  // ą
    case 0xE6: letter = 'c'; after = 1; break;  // ć
    case 0xEA: letter = 'e'; after = 1; break;  // ę
    case 0xB3: letter = 'l'; after = 1; break;  // ł
    case 0xF1: letter = 'n'; after = 1; break;  // ń
    case 0xF3: letter = 'o'; after = 1; break;  // ó
    case 0x9C: letter = 's'; after = 1; break;  // ś
    case 0x9F: letter = 'z'; after = 1; break;  // ź
    case 0xBF: letter = 'z'; after = 2; break;  // ż
    default:
        if (c >= 'a' && c <= 'z')
            letter = c;
    }
    return letter < 0 ? c : 1000 + (letter - 'a') * 3 + after;
}

std::string StampOfNow()
{
    const SystemTime t = TheClock().UniversalTime();
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u.%02u", t.year, t.month, t.day, t.hour, t.minute);
    return text;
}

}  // namespace

ChildFolders::ChildFolders(fs::path practiceDir) : practice_(std::move(practiceDir)) {}

fs::path ChildFolders::RemovedDir() const
{
    return practice_ / Native("Usunięte"_cp);
}

std::string ChildFolders::Trimmed(const std::string& name)
{
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

bool ChildFolders::ComesBefore(const std::string& a, const std::string& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int x = OrderOf(static_cast<unsigned char>(a[i]));
        const int y = OrderOf(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

std::vector<std::string> ChildFolders::Names() const
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(ChildrenDir(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = Utf8ToCp1250(it->path().filename().string());
        std::error_code typeError;
        if (!name.empty() && name[0] != '.' && it->is_directory(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), ComesBefore);
    return names;
}

bool ChildFolders::Exists(const std::string& name) const
{
    return !name.empty() && name[0] != '.' && IsDir(FolderOf(name));
}

fs::path ChildFolders::FolderOf(const std::string& name) const
{
    return ChildrenDir() / Native(name);
}

std::string ChildFolders::Active() const
{
    const CIniFile list(practice_ / kListFile);
    const std::string named = list.ReadString(kListSection, kActiveKey, "");
    if (Exists(named))
        return named;
    const std::vector<std::string> names = Names();
    return names.empty() ? std::string() : names.front();
}

bool ChildFolders::SetActive(const std::string& name)
{
    if (!Exists(name))
        return false;
    CIniFile list(practice_ / kListFile);
    list.WriteString(kListSection, kActiveKey, name);
    return list.UpdateFile();
}

std::string ChildFolders::NameProblem(const std::string& name, const std::string& except) const
{
    const std::string trimmed = Trimmed(name);
    if (trimmed.empty())
        return "Proszę wpisać imię dziecka."_cp;
    if (static_cast<int>(trimmed.size()) > kMaxNameLength)
        return "Imię jest za długie (najwyżej 40 znaków)."_cp;
    // What no file system takes in a folder's name, and the dot that hides
    // a folder or that Windows drops at the end.
    const bool badEdge = trimmed.front() == '.' || trimmed.back() == '.';
    const bool badChar = std::any_of(trimmed.begin(), trimmed.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    });
    if (badEdge || badChar)
        return "Imię nie może zawierać znaków \\ / : * ? \" < > | ani zaczynać się lub kończyć kropką."_cp;
    for (const std::string& other : Names())
        if (EqualsNoCase(other, trimmed) && !EqualsNoCase(other, except))
            return "Dziecko o tym imieniu już jest na liście."_cp;
    return {};
}

bool ChildFolders::Add(const std::string& name, std::string& error)
{
    error = NameProblem(name);
    if (!error.empty())
        return false;
    const fs::path folder = FolderOf(Trimmed(name));
    std::error_code ec;
    fs::create_directories(folder / "Data", ec);
    if (ec) {
        error = "Nie można utworzyć folderu dziecka: "_cp + Utf8ToCp1250(ec.message());
        return false;
    }
    return true;
}

bool ChildFolders::Rename(const std::string& from, const std::string& to, std::string& error)
{
    if (!Exists(from)) {
        error = "Nie ma takiego dziecka."_cp;
        return false;
    }
    error = NameProblem(to, from);
    if (!error.empty())
        return false;
    const std::string name = Trimmed(to);
    if (name == from)
        return true;
    const bool wasActive = Active() == from;
    std::error_code ec;
    // A change of letter case alone goes through a name of its own, for the
    // file systems that do not tell the two apart.
    const fs::path between = ChildrenDir() / Utf8Path(kRenamingPrefix + FolderOf(from).filename().string());
    fs::rename(FolderOf(from), between, ec);
    if (!ec)
        fs::rename(between, FolderOf(name), ec);
    if (ec) {
        std::error_code back;
        if (IsDir(between))
            fs::rename(between, FolderOf(from), back);
        error = "Nie można zmienić imienia: "_cp + Utf8ToCp1250(ec.message());
        return false;
    }
    if (wasActive)
        SetActive(name);
    return true;
}

bool ChildFolders::Remove(const std::string& name, std::string& error)
{
    if (!Exists(name)) {
        error = "Nie ma takiego dziecka."_cp;
        return false;
    }
    std::error_code ec;
    fs::create_directories(RemovedDir(), ec);
    const std::string stem = name + " (usunięto "_cp + StampOfNow() + ")";
    fs::path target = RemovedDir() / Native(stem);
    for (int n = 2; PathExists(target) && n < 1000; ++n)
        target = RemovedDir() / Native(stem + " " + std::to_string(n));
    if (!ec)
        fs::rename(FolderOf(name), target, ec);
    if (ec) {
        error = "Nie można przenieść folderu dziecka: "_cp + Utf8ToCp1250(ec.message());
        return false;
    }
    return true;
}

std::string ChildFolders::FreeName(const std::string& stem) const
{
    for (int n = 1;; ++n) {
        const std::string name = stem + " " + std::to_string(n);
        if (!PathExists(FolderOf(name)))
            return name;
    }
}

bool ChildFolders::MoveLegacyFiles(std::string& error)
{
    const fs::path staging = ChildrenDir() / kStagingFolder;
    bool any = IsDir(staging);
    for (const char* item : kLegacyItems)
        any = any || PathExists(practice_ / item);
    if (!any)
        return true;

    std::error_code ec;
    fs::create_directories(staging / "Data", ec);
    for (const char* item : kLegacyItems) {
        const fs::path from = practice_ / item;
        const fs::path to = staging / item;
        // A file already gathered stays; one found twice stays where it is,
        // so nothing is overwritten.
        if (!PathExists(from) || PathExists(to))
            continue;
        if (!ec)
            fs::rename(from, to, ec);
    }
    if (ec) {
        error = "Nie można przenieść plików do folderu dziecka: "_cp + Utf8ToCp1250(ec.message());
        return false;
    }
    const bool first = Names().empty();
    const std::string name = FreeName("Dziecko"_cp);
    fs::rename(staging, FolderOf(name), ec);
    if (ec) {
        error = "Nie można utworzyć folderu dziecka: "_cp + Utf8ToCp1250(ec.message());
        return false;
    }
    // An installation's own settings folder is empty now; a build's Data
    // is the data tree and keeps its other entries, so this does nothing.
    std::error_code ignored;
    fs::remove(practice_ / "Data", ignored);
    if (first)
        SetActive(name);
    return true;
}

bool ChildFolders::Prepare(std::string& error)
{
    std::error_code ec;
    fs::create_directories(ChildrenDir(), ec);
    if (ec) {
        error = Utf8ToCp1250(ChildrenDir().string() + ": " + ec.message());
        return false;
    }
    if (!MoveLegacyFiles(error))
        return false;
    // A rename cut short between its two steps leaves the folder under its
    // hidden passing name: it gets its old name back.
    const std::string& passing = kRenamingPrefix;
    for (fs::directory_iterator it(ChildrenDir(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (name.rfind(passing, 0) == 0 && !PathExists(ChildrenDir() / Utf8Path(name.substr(passing.size()))))
            fs::rename(it->path(), ChildrenDir() / Utf8Path(name.substr(passing.size())), ignored);
    }
    if (Names().empty()) {
        const std::string first = FreeName("Dziecko"_cp);
        if (!Add(first, error))
            return false;
        SetActive(first);
    }
    return true;
}
