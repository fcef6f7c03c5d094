// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Case-insensitive resolution of the program's Windows-style paths.
#include "platform/Paths.h"

#include <system_error>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

// Places without a child, the voice folder inside the user's folder (named
// field by field: the record's order is no concern of its callers).
ProgramPlaces Places(const fs::path& data, const fs::path& user, bool installed)
{
    ProgramPlaces places;
    places.data = data;
    places.user = user;
    places.installed = installed;
    places.voice = user.empty() ? fs::path() : user / kVoiceFolderName;
    return places;
}

ProgramPlaces& PlacesStorage()
{
    static ProgramPlaces places = Places(fs::current_path(), fs::current_path(), false);
    return places;
}

fs::path AbsoluteNormal(const fs::path& dir)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(dir, ec);
    return ec ? dir : absolute.lexically_normal();
}

bool IsDirectory(const fs::path& dir)
{
    std::error_code ec;
    return fs::is_directory(dir, ec);
}

// The components of a program path, without empty and "." ones.
std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t next = path.find_first_of("\\/", pos);
        if (next == std::string_view::npos)
            next = path.size();
        const std::string_view part = path.substr(pos, next - pos);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        pos = next + 1;
    }
    return parts;
}

// The entry of dir whose name equals name without regard to case, or name
// itself; found tells whether such an entry is there.
fs::path MatchComponent(const fs::path& dir, const std::string& nameUtf8, bool& found)
{
    std::error_code ec;
    found = true;
    if (fs::exists(dir / Utf8Path(nameUtf8), ec))
        return Utf8Path(nameUtf8);
    const std::string wanted = Utf8ToCp1250(nameUtf8);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (EqualsNoCase(Utf8ToCp1250(candidate), wanted))
            return Utf8Path(candidate);
    }
    found = false;
    return Utf8Path(nameUtf8);
}

}  // namespace

ProgramPlaces LocateProgramPlaces(const fs::path& exeDir, const char* xdgDataHome, const char* home)
{
    fs::path dir = AbsoluteNormal(exeDir);
    if (dir.filename().empty())
        dir = dir.parent_path();  // "prefix/bin/" names the same folder as "prefix/bin"
    // The usual spellings: a tree copied from a Windows disk counts as beside.
    for (const char* name : {"Data", "DATA", "data"})
        if (IsDirectory(dir / name))
            return Places(dir, dir, false);
    const fs::path shared = (dir.parent_path() / "share" / "szeptaczki").lexically_normal();
    if (!IsDirectory(shared / "Data"))
        return Places(dir, dir, false);

    fs::path user;
    if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
        user = fs::path(xdgDataHome) / "szeptaczki";
    else if (home && *home)
        user = fs::path(home) / ".local" / "share" / "szeptaczki";
    user = user.lexically_normal();
    return Places(shared, user, true);
}

fs::path Utf8Path(std::string_view utf8)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

void SetProgramPlaces(const ProgramPlaces& places)
{
    ProgramPlaces& current = PlacesStorage();
    current.data = AbsoluteNormal(places.data);
    current.user = places.user.empty() ? fs::path() : AbsoluteNormal(places.user);
    current.installed = places.installed;
    current.child = places.child.empty() ? fs::path() : AbsoluteNormal(places.child);
    if (!places.voice.empty())
        current.voice = AbsoluteNormal(places.voice);
    else
        current.voice = current.user.empty() ? fs::path() : current.user / kVoiceFolderName;
}

const ProgramPlaces& CurrentProgramPlaces()
{
    return PlacesStorage();
}

void SetProgramDir(const fs::path& dir)
{
    SetProgramPlaces(Places(dir, dir, false));
}

void SetActiveChildDir(const fs::path& dir)
{
    PlacesStorage().child = dir.empty() ? fs::path() : AbsoluteNormal(dir);
}

const fs::path& ProgramDir()
{
    const ProgramPlaces& places = PlacesStorage();
    return places.child.empty() ? places.user : places.child;
}

const fs::path& PracticeDir()
{
    return PlacesStorage().user;
}

const fs::path& DataDir()
{
    return PlacesStorage().data;
}

bool IsUserPath(std::string_view path)
{
    if (!path.empty() && (path[0] == '/' || path[0] == '\\'))
        return false;
    const std::vector<std::string_view> parts = Components(path);
    if (parts.empty())
        return true;
    if (EqualsNoCase(parts[0], "Data"))
        return parts.size() == 2 && EqualsNoCase(parts[1], "data.ini");
    return !EqualsNoCase(parts[0], "RESOURCE");
}

bool MakeUserFolder(std::string& error)
{
    const ProgramPlaces& places = PlacesStorage();
    if (!places.installed)
        return true;
    if (places.user.empty()) {
        error = "neither XDG_DATA_HOME nor HOME names the user's folder";
        return false;
    }
    // The settings file lives in a Data folder of its own.
    const fs::path settingsFolder = NativePath("Data\\data.ini").parent_path();
    std::error_code ec;
    fs::create_directories(settingsFolder, ec);
    if (ec) {
        error = settingsFolder.string() + ": " + ec.message();
        return false;
    }
    return CanWriteInFolder(ProgramDir(), error) && CanWriteInFolder(settingsFolder, error);
}

fs::path NativePath(std::string_view path)
{
    fs::path result;
    std::size_t pos = 0;
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        result = "/";
        pos = 1;
    } else {
        result = IsUserPath(path) ? ProgramDir() : DataDir();
    }
    bool resolving = true;  // once a component is missing, the rest cannot exist
    while (pos <= path.size()) {
        std::size_t next = path.find_first_of("\\/", pos);
        if (next == std::string_view::npos)
            next = path.size();
        const std::string_view component = path.substr(pos, next - pos);
        pos = next + 1;
        if (component.empty() || component == ".")
            continue;
        const std::string utf8 = Cp1250ToUtf8(component);
        if (component == "..") {
            result /= "..";
            continue;
        }
        if (resolving) {
            result /= MatchComponent(result, utf8, resolving);
        } else {
            result /= Utf8Path(utf8);
        }
    }
    return result;
}

bool FileExists(std::string_view path)
{
    std::error_code ec;
    return fs::is_regular_file(NativePath(path), ec);
}

bool DirectoryExists(std::string_view path)
{
    std::error_code ec;
    return fs::is_directory(NativePath(path), ec);
}

std::vector<std::string> FilesInDirectory(std::string_view dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(NativePath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            names.push_back(Utf8ToCp1250(it->path().filename().string()));
    }
    return names;
}

bool IsLinkOutside(const fs::path& file, const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_symlink(file, ec))
        return false;
    const fs::path target = fs::weakly_canonical(file, ec);
    if (ec)
        return true;
    const fs::path root = fs::weakly_canonical(folder, ec);
    if (ec)
        return true;
    const fs::path relative = target.lexically_relative(root);
    return relative.empty() || *relative.begin() == "..";
}

bool KeepDamagedCopy(const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;  // a folder or a device in its place is left alone
    // A copy kept earlier is never overwritten: each damage keeps its own.
    for (int n = 1; n < 1000; ++n) {
        fs::path kept = file;
        kept += n == 1 ? std::string(".uszkodzony") : ".uszkodzony" + std::to_string(n);
        if (fs::symlink_status(kept, ec).type() != fs::file_type::not_found)
            continue;
        return fs::copy_file(file, kept, ec);
    }
    return false;
}
