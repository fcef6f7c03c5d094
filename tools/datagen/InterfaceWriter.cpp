// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Interface pictures to files: JPEG, BMP and the picture library folder.
#include "tools/datagen/InterfaceWriter.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "tools/datagen/UiCanvas.h"

std::filesystem::path ProgramFile(const std::filesystem::path& programDir, const std::string& programPath)
{
    std::filesystem::path file = programDir;
    std::size_t start = 0;
    while (start <= programPath.size()) {
        const std::size_t end = programPath.find('\\', start);
        file /= programPath.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return file;
}

InterfaceWriter::InterfaceWriter(std::filesystem::path programDir) : programDir_(std::move(programDir))
{
    for (const InterfaceFile& f : InterfaceFileTable())
        expected_[(f.library ? "RESOURCE:" : "") + f.name] = f;
}

void InterfaceWriter::Check(const std::string& name, const Bitmap& picture, bool library)
{
    const std::string key = (library ? "RESOURCE:" : "") + name;
    auto it = expected_.find(key);
    if (it == expected_.end())
        throw std::logic_error("picture not in the table: " + name);
    if (it->second.width != picture.Width() || it->second.height != picture.Height())
        throw std::logic_error("picture of the wrong size: " + name + " is " + std::to_string(picture.Width()) + "x" +
                               std::to_string(picture.Height()) + ", the table says " +
                               std::to_string(it->second.width) + "x" + std::to_string(it->second.height));
    written_[key] = true;
    if (keepPreviews_)
        previews_.emplace_back(key, picture);
}

void InterfaceWriter::Store(const std::filesystem::path& file, const std::string& bytes)
{
    // A fresh tree of a few hundred files: plain writes, each checked, are
    // enough (syncing every file to disk would take most of the run).
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void InterfaceWriter::Picture(const std::string& programPath, const Bitmap& picture)
{
    Check(programPath, picture, false);
    const bool jpeg = programPath.size() > 4 && programPath.compare(programPath.size() - 4, 4, ".xji") == 0;
    Store(ProgramFile(programDir_, programPath), jpeg ? EncodeJpeg(picture, kJpegQuality, true) : EncodeBmp(picture));
}

void InterfaceWriter::Pair(const std::string& base, const std::string& ext, const UiCanvas& drawing)
{
    Picture(base + "B" + ext, drawing.Over(clBlack));
    Picture(base + "W" + ext, drawing.Over(clWhite));
}

void InterfaceWriter::Library(const std::string& name, const Bitmap& picture)
{
    Check(name, picture, true);
    Store(programDir_ / "RESOURCE" / (name + ".bmp"), EncodeBmp(picture));
}

std::vector<std::string> InterfaceWriter::Missing() const
{
    std::vector<std::string> missing;
    for (const auto& [key, file] : expected_)
        if (!written_.count(key))
            missing.push_back(key);
    return missing;
}

// Pictures side by side on a grey sheet, at most sheetWidth wide, shrunk
// when larger than the sheet.
void WriteContactSheets(const std::vector<std::pair<std::string, Bitmap>>& pictures, const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir);
    const int sheetWidth = 1600;
    std::vector<const std::pair<std::string, Bitmap>*> group;
    int sheet = 0;
    auto flush = [&] {
        if (group.empty())
            return;
        // Lay out in rows.
        int x = 8, y = 8, rowHeight = 0;
        struct Placed {
            const std::pair<std::string, Bitmap>* p;
            int x, y;
            double s;
        };
        std::vector<Placed> placed;
        for (const auto* p : group) {
            const double s = std::min(1.0, (sheetWidth - 16.0) / p->second.Width());
            const int w = static_cast<int>(p->second.Width() * s);
            const int h = static_cast<int>(p->second.Height() * s) + 14;
            if (x + w > sheetWidth - 8) {
                x = 8;
                y += rowHeight + 8;
                rowHeight = 0;
            }
            placed.push_back({p, x, y, s});
            x += w + 8;
            rowHeight = std::max(rowHeight, h);
        }
        UiCanvas c(sheetWidth, y + rowHeight + 8);
        cairo_t* cr = c.Cr();
        cairo_set_source_rgb(cr, 0.55, 0.55, 0.6);
        cairo_paint(cr);
        for (const Placed& pl : placed) {
            UiCanvas pic(pl.p->second.Width(), pl.p->second.Height());
            pic.Paint(pl.p->second, 0, 0);
            cairo_save(cr);
            cairo_translate(cr, pl.x, pl.y + 14);
            cairo_scale(cr, pl.s, pl.s);
            cairo_set_source_surface(cr, pic.Surface(), 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
            UiTextStyle label;
            label.face = UiFace::Regular;
            label.size = 10;
            label.fill = Hex(0xFFFFFF);
            std::string name = pl.p->first;
            const auto cut = name.find_last_of("\\:");
            if (cut != std::string::npos)
                name = name.substr(cut + 1);
            TextAt(cr, name, pl.x, pl.y + 11, label);
        }
        c.WritePng(dir / ("sheet" + std::to_string(sheet++) + ".png"));
        group.clear();
    };
    long area = 0;
    for (const auto& p : pictures) {
        const long a = static_cast<long>(std::min(p.second.Width(), sheetWidth)) * p.second.Height();
        if (area + a > 1600L * 1100 && !group.empty()) {
            flush();
            area = 0;
        }
        group.push_back(&p);
        area += a;
    }
    flush();
}

