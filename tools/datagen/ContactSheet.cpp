// A page of word pictures side by side, for looking over the art at a glance.
#include "tools/datagen/ContactSheet.h"

#include <algorithm>
#include <stdexcept>

#include "graphics/Cbitmapy.h"
#include "tools/datagen/WordPainter.h"

void WriteContactSheet(const std::filesystem::path& png, const std::vector<DatagenWord>& words, int first, int count)
{
    first = std::clamp(first, 0, static_cast<int>(words.size()));
    count = std::clamp(count, 0, static_cast<int>(words.size()) - first);
    // Beside each picture, the memory card the game cuts from it.
    constexpr int kCardWidth = 62;
    constexpr int kCardHeight = 84;
    constexpr int kColumns = 6;
    constexpr int kCellWidth = kSmallPictureWidth + kCardWidth + 16;
    constexpr int kCellHeight = kSmallPictureHeight + 26;
    const int rows = std::max(1, (count + kColumns - 1) / kColumns);
    CairoSurface sheet = NewImageSurface(kColumns * kCellWidth, rows * kCellHeight);
    CairoContext cr(cairo_create(sheet.get()));
    cairo_set_source_rgb(cr.get(), 0.55, 0.55, 0.58);
    cairo_paint(cr.get());
    const WordPainter painter;
    for (int i = 0; i < count; ++i) {
        const DatagenWord& word = words[static_cast<std::size_t>(first + i)];
        PictureKind kind;
        CairoSurface picture = painter.PaintSurface(word, PictureSize::Small, kind);
        const double x = (i % kColumns) * kCellWidth + 5;
        const double y = (i / kColumns) * kCellHeight + 5;
        cairo_set_source_surface(cr.get(), picture.get(), x, y);
        cairo_paint(cr.get());
        const auto card = FitWordPicture(BitmapFromSurface(picture.get()), kCardWidth, kCardHeight, 1);
        CairoSurface cardSurface = SurfaceFromBitmap(*card);
        cairo_set_source_surface(cr.get(), cardSurface.get(), x + kSmallPictureWidth + 6, y);
        cairo_paint(cr.get());
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_set_font_size(cr.get(), 13);
        cairo_move_to(cr.get(), x, y + kSmallPictureHeight + 15);
        cairo_show_text(cr.get(), word.key.c_str());
    }
    cairo_surface_flush(sheet.get());
    if (cairo_surface_write_to_png(sheet.get(), png.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + png.string());
}
