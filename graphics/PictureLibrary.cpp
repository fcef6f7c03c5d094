// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture library as a folder of BMP files beside the program.
#include "graphics/PictureLibrary.h"

#include <filesystem>
#include <map>
#include <string>

#include "graphics/LoadCorrectBitmap.h"
#include "graphics/PictureReads.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

// Library names are bare: no folder, so a name cannot reach outside the library.
bool IsBareName(std::string_view name)
{
    return !name.empty() && name.find_first_of(std::string_view("\\/:\0", 4)) == std::string_view::npos;
}

std::string Quoted(std::string_view name)
{
    return "\"" + Cp1250ToUtf8(name) + "\"";
}

// Many buttons share the same library pictures (every check button, every
// stop button): each file is decoded once and copied after that, for as long
// as the file on disk is the one that was decoded.
class PictureCache {
public:
    const Bitmap* Find(const std::filesystem::path& file)
    {
        const auto it = entries_.find(file.string());
        if (it == entries_.end() || !(Stamp(file) == it->second.stamp))
            return nullptr;
        return &it->second.picture;
    }

    void Keep(const std::filesystem::path& file, const Bitmap& picture)
    {
        // One library at a time: a program (or a test) that moves to another
        // folder does not keep the old one's pictures.
        if (file.parent_path() != folder_) {
            entries_.clear();
            folder_ = file.parent_path();
        }
        const FileStamp stamp = Stamp(file);
        if (stamp.size >= 0)
            entries_[file.string()] = {stamp, picture};
    }

private:
    struct FileStamp {
        std::intmax_t size = -1;
        std::filesystem::file_time_type written;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        FileStamp stamp;
        Bitmap picture;
    };

    static FileStamp Stamp(const std::filesystem::path& file)
    {
        std::error_code ec, ec2;
        FileStamp s;
        const auto size = std::filesystem::file_size(file, ec);
        s.written = std::filesystem::last_write_time(file, ec2);
        if (!ec && !ec2)
            s.size = static_cast<std::intmax_t>(size);
        return s;
    }

    std::filesystem::path folder_;
    std::map<std::string, Entry> entries_;
};

PictureCache& DecodedPictures()
{
    static PictureCache cache;
    return cache;
}

}  // namespace

void OtworzBMP(std::string_view name, Bitmap& target)
{
    if (!IsBareName(name))
        throw EPictureLibrary("picture library: invalid picture name " + Quoted(name));
    // NativePath matches every component without regard to letter case.
    const std::string relative = "RESOURCE\\" + std::string(name) + ".bmp";
    if (!FileExists(relative))
        throw EPictureLibrary("picture library: no picture named " + Quoted(name));
    const std::filesystem::path file = NativePath(relative);
    if (const Bitmap* known = DecodedPictures().Find(file)) {
        target = *known;
        return;
    }
    std::string bytes;
    if (!ReadWholeFile(file, bytes))
        throw EPictureLibrary("picture library: no picture named " + Quoted(name));
    NotePictureRead(file);
    Bitmap picture;
    try {
        DecodeBmp(bytes, picture);
    } catch (const std::exception& e) {
        throw EPictureLibrary("picture library: picture " + Quoted(name) + " cannot be decoded (" + e.what() + ")");
    }
    DecodedPictures().Keep(file, picture);
    target = std::move(picture);
}
