// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pages of word pictures as the games show them, for looking over the art.
#include "tools/datagen/ContactSheet.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "graphics/Cbitmapy.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "tools/datagen/ParallelFor.h"
#include "tools/datagen/PictureFiles.h"
#include "tools/datagen/WordPlaces.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPageWidth = 1200;
constexpr int kPageHeight = 1000;
constexpr int kGap = 8;
constexpr int kLabel = 14;

// A word's two picture files, as the generator writes them.
struct WordFiles {
    std::string small, large;
};

Bitmap Decode(const WordFiles& files, PictureSize size)
{
    Bitmap picture;
    if (size == PictureSize::Small)
        DecodeBmp(files.small, picture);
    else
        DecodeJpeg(files.large, picture);
    return picture;
}

// The picture as the place shows it; what its casing covers is dimmed.
CairoSurface Shown(const WordPlace& place, const Bitmap& picture)
{
    const auto cut = FitWordPicture(picture, place.width, place.height, place.outline);
    CairoSurface surface = SurfaceFromBitmap(*cut);
    CairoContext cr(cairo_create(surface.get()));
    const double unit = 300.0 / place.height;
    const double strip = place.width * unit;
    for (int y = 0; y < place.height; ++y)
        for (int x = 0; x < place.width; ++x)
            if (!ShowsInPlace(place, (400 - strip) / 2 + (x + 0.5) * unit, (y + 0.5) * unit))
                cairo_rectangle(cr.get(), x, y, 1, 1);
    cairo_set_source_rgba(cr.get(), 0.16, 0.16, 0.2, 0.8);
    cairo_fill(cr.get());
    return surface;
}

// The whole small picture with the narrowest view of every place outlined.
CairoSurface Whole(const Bitmap& small, const std::vector<WordPlace>& places)
{
    CairoSurface surface = SurfaceFromBitmap(small);
    CairoContext cr(cairo_create(surface.get()));
    cairo_scale(cr.get(), 0.5, 0.5);
    cairo_set_line_width(cr.get(), 2);
    for (const WordPlace& place : places) {
        const DesignBox kept = KeptInView(place);
        cairo_rectangle(cr.get(), kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top);
    }
    cairo_set_source_rgba(cr.get(), 0.9, 0.1, 0.1, 0.35);
    cairo_stroke(cr.get());
    return surface;
}

class Pages {
public:
    Pages(fs::path folder, std::string name, int cellWidth, int cellHeight)
        : folder_(std::move(folder)), name_(std::move(name)), cellWidth_(cellWidth + kGap),
          cellHeight_(cellHeight + kGap + kLabel), columns_(std::max(1, kPageWidth / cellWidth_)),
          rows_(std::max(1, kPageHeight / cellHeight_))
    {
    }

    void Add(cairo_surface_t* picture, const std::string& key, std::vector<fs::path>& written)
    {
        const int perPage = columns_ * rows_;
        if (!page_ || count_ == perPage)
            NewPage(written);
        const double x = kGap / 2.0 + (count_ % columns_) * cellWidth_;
        const double y = kGap / 2.0 + (count_ / columns_) * cellHeight_;
        CairoContext cr(cairo_create(page_.get()));
        cairo_set_source_surface(cr.get(), picture, x, y);
        cairo_paint(cr.get());
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_select_font_face(cr.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr.get(), 11);
        cairo_move_to(cr.get(), x, y + cellHeight_ - kGap - 3);
        cairo_show_text(cr.get(), key.c_str());
        ++count_;
    }

    void Finish(std::vector<fs::path>& written) { Flush(written); }

private:
    void NewPage(std::vector<fs::path>& written)
    {
        Flush(written);
        page_ = NewImageSurface(columns_ * cellWidth_, rows_ * cellHeight_);
        CairoContext cr(cairo_create(page_.get()));
        cairo_set_source_rgb(cr.get(), 0.36, 0.36, 0.4);
        cairo_paint(cr.get());
        count_ = 0;
        ++number_;
    }

    void Flush(std::vector<fs::path>& written)
    {
        if (!page_)
            return;
        const std::string number = std::to_string(number_);
        const fs::path file = folder_ / (name_ + "-" + std::string(number.size() < 2 ? 1 : 0, '0') + number + ".png");
        cairo_surface_flush(page_.get());
        if (cairo_surface_write_to_png(page_.get(), file.c_str()) != CAIRO_STATUS_SUCCESS)
            throw std::runtime_error("cannot write " + file.string());
        written.push_back(file);
        page_.reset();
    }

    fs::path folder_;
    std::string name_;
    int cellWidth_, cellHeight_, columns_, rows_;
    CairoSurface page_;
    int count_ = 0;
    int number_ = 0;
};

// Of the five televisions, the one that keeps the least of a picture.
std::vector<WordPlace> SheetPlaces(const UiMode& m)
{
    std::vector<WordPlace> places;
    const WordPlace* narrowest = nullptr;
    const std::vector<WordPlace> all = WordPlacesOf(m);
    for (const WordPlace& p : all) {
        if (p.name.starts_with("screen")) {
            const auto width = [](const WordPlace& q) { return KeptInView(q).right - KeptInView(q).left; };
            if (!narrowest || width(p) < width(*narrowest))
                narrowest = &p;
        } else {
            places.push_back(p);
        }
    }
    if (narrowest)
        places.insert(places.begin() + 4, *narrowest);
    return places;
}

}  // namespace

std::vector<fs::path> WriteContactSheets(const fs::path& folder, const std::vector<DatagenWord>& words,
                                         unsigned threads)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::vector<WordFiles> files(words.size());
    ParallelFor(
        words.size(), threads, [] { return WordPainter(); },
        [&](const WordPainter& painter, std::size_t i) {
            PictureKind kind;
            files[i].small = SmallPictureFile(painter.Paint(words[i], PictureSize::Small, kind));
            files[i].large = LargePictureFile(painter.Paint(words[i], PictureSize::Large, kind));
        });

    std::vector<fs::path> written;
    std::vector<WordPlace> every;
    for (const UiMode& m : UiModes()) {
        const std::string mode = std::to_string(m.pictureWidth) + "x" + std::to_string(m.pictureHeight);
        for (const WordPlace& place : SheetPlaces(m)) {
            Pages pages(folder, mode + "-" + place.name, place.width, place.height);
            for (std::size_t i = 0; i < words.size(); ++i) {
                CairoSurface shown = Shown(place, Decode(files[i], place.picture));
                pages.Add(shown.get(), words[i].key, written);
            }
            pages.Finish(written);
        }
        const std::vector<WordPlace> all = WordPlacesOf(m);
        every.insert(every.end(), all.begin(), all.end());
    }
    Pages whole(folder, "whole", kSmallPictureWidth, kSmallPictureHeight);
    for (std::size_t i = 0; i < words.size(); ++i) {
        CairoSurface picture = Whole(Decode(files[i], PictureSize::Small), every);
        whole.Add(picture.get(), words[i].key, written);
    }
    whole.Finish(written);
    return written;
}
