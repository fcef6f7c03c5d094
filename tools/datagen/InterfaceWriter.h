// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the generated interface pictures into a program directory in the
// program's own formats, checking each against the table of expected files.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "tools/datagen/InterfaceLayout.h"

class UiCanvas;

class InterfaceWriter {
public:
    explicit InterfaceWriter(std::filesystem::path programDir);

    // Opaque pictures: ".xji" as JPEG, ".xbi" as BMP, chosen by the name.
    void Picture(const std::string& programPath, const Bitmap& picture);
    // A transparent drawing as the pair base + "B" + ext over black and
    // base + "W" + ext over white.
    void Pair(const std::string& base, const std::string& ext, const UiCanvas& drawing);
    // A picture of the picture library (RESOURCE folder).
    void Library(const std::string& name, const Bitmap& picture);

    // Table entries not written yet.
    std::vector<std::string> Missing() const;
    // Keeps a copy of every picture written, for contact sheets.
    void KeepPreviews(bool keep) { keepPreviews_ = keep; }
    const std::vector<std::pair<std::string, Bitmap>>& Previews() const { return previews_; }

    // JPEG quality of the ".xji" files: high, and with full colour
    // resolution, so that the mask of a black/white pair stays clean.
    static constexpr int kJpegQuality = 97;

private:
    void Check(const std::string& name, const Bitmap& picture, bool library);
    void Store(const std::filesystem::path& file, const std::string& bytes);

    std::filesystem::path programDir_;
    std::map<std::string, InterfaceFile> expected_;
    std::map<std::string, bool> written_;
    bool keepPreviews_ = false;
    std::vector<std::pair<std::string, Bitmap>> previews_;
};

// The native path of a program path such as "Data\Intf\Spec\R2_x.xji".
std::filesystem::path ProgramFile(const std::filesystem::path& programDir, const std::string& programPath);

// Pictures side by side on grey sheets (PNG files sheet0.png, sheet1.png ...
// in dir), for looking a set over.
void WriteContactSheets(const std::vector<std::pair<std::string, Bitmap>>& pictures, const std::filesystem::path& dir);
