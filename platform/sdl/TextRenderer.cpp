// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// System-font text through SDL_ttf on software surfaces: it needs no video
// device, so the headless and the windowed runs draw the same pixels.
#include "platform/TextRenderer.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <tuple>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

const char* const kLiberationRegular = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
const char* const kLiberationBold = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct FontCloser {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

struct SurfaceFreer {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

bool TtfReady()
{
    static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
    return ready;
}

// Opened fonts by file and pixel size; nothing is closed before the program ends.
TTF_Font* OpenFont(const TFont& font)
{
    static std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<TTF_Font, FontCloser>> cache;
    if (!TtfReady())
        return nullptr;
    const std::string file = TextRenderer::FontFile(font);
    if (file.empty())
        return nullptr;
    const int size = std::clamp(font.Height, 1, 1000);
    const auto key = std::make_tuple(file, size, font.Italic, font.Underline);
    auto it = cache.find(key);
    if (it == cache.end()) {
        TTF_Font* opened = TTF_OpenFont(file.c_str(), size);
        if (opened != nullptr) {
            TTF_SetFontHinting(opened, TTF_HINTING_NORMAL);
            TTF_SetFontKerning(opened, 1);
            const int style = (font.Italic ? TTF_STYLE_ITALIC : 0) | (font.Underline ? TTF_STYLE_UNDERLINE : 0);
            if (style != 0)
                TTF_SetFontStyle(opened, style);
        }
        it = cache.emplace(key, std::unique_ptr<TTF_Font, FontCloser>(opened)).first;
    }
    return it->second.get();
}

// A data tree may bring its own copies of the fonts in a folder "Fonts" (the
// Windows installation does: the system there has none of these faces).
std::string FirstExisting(std::initializer_list<const char*> files)
{
    for (const char* f : files) {
        std::error_code ec;
        const std::filesystem::path own = DataDir() / "Fonts" / std::filesystem::path(f).filename();
        if (std::filesystem::exists(own, ec))
            return own.string();
        if (std::filesystem::exists(f, ec))
            return f;
    }
    return {};
}

}  // namespace

namespace TextRenderer {

std::string FontFile(const TFont& font)
{
    const std::string_view face = font.Name;
    const bool arial = face.size() >= 5 && EqualsNoCase(face.substr(0, 5), "arial");
    // Arial Black has no regular weight: its nearest free face is Liberation Sans Bold.
    if (EqualsNoCase(face, "Arial Black") || (arial && font.Bold))
        return FirstExisting({kLiberationBold, kDejaVuBold, kLiberationRegular, kDejaVu});
    if (arial)
        return FirstExisting({kLiberationRegular, kDejaVu, kLiberationBold, kDejaVuBold});
    if (font.Bold)
        return FirstExisting({kDejaVuBold, kLiberationBold, kDejaVu, kLiberationRegular});
    return FirstExisting({kDejaVu, kLiberationRegular, kDejaVuBold, kLiberationBold});
}

TPoint Measure(const TFont& font, std::string_view cp1250)
{
    TTF_Font* f = OpenFont(font);
    if (f == nullptr)
        return {0, 0};
    int w = 0, h = 0;
    if (!cp1250.empty())
        TTF_SizeUTF8(f, Cp1250ToUtf8(cp1250).c_str(), &w, &h);
    return {w, TTF_FontHeight(f)};
}

int LineHeight(const TFont& font)
{
    TTF_Font* f = OpenFont(font);
    return f == nullptr ? 0 : TTF_FontHeight(f);
}

void Draw(Bitmap& target, int x, int y, const TFont& font, std::string_view cp1250, TRect clip)
{
    if (cp1250.empty() || target.Format() == PixelFormat::Gray8)
        return;
    TTF_Font* f = OpenFont(font);
    if (f == nullptr)
        return;
    const SDL_Color white{255, 255, 255, 255};
    std::unique_ptr<SDL_Surface, SurfaceFreer> glyphs(
        TTF_RenderUTF8_Blended(f, Cp1250ToUtf8(cp1250).c_str(), white));
    if (!glyphs)
        return;
    std::unique_ptr<SDL_Surface, SurfaceFreer> argb(
        SDL_ConvertSurfaceFormat(glyphs.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb)
        return;
    clip = clip.Intersect(target.Bounds()).Intersect(RectXYWH(x, y, argb->w, argb->h));
    if (clip.IsEmpty())
        return;
    const int bpp = target.BytesPerPixel();
    const unsigned cr = GetRValue(font.Color), cg = GetGValue(font.Color), cb = GetBValue(font.Color);
    SDL_LockSurface(argb.get());
    for (int row = clip.top; row < clip.bottom; ++row) {
        const auto* src = static_cast<const uint32_t*>(argb->pixels) +
                          static_cast<std::size_t>(row - y) * (argb->pitch / 4);
        uint8_t* dst = target.ScanLine(row);
        for (int col = clip.left; col < clip.right; ++col) {
            const unsigned a = src[col - x] >> 24;
            if (a == 0)
                continue;
            uint8_t* p = dst + col * bpp;
            p[0] = static_cast<uint8_t>((p[0] * (255 - a) + cb * a + 127) / 255);
            p[1] = static_cast<uint8_t>((p[1] * (255 - a) + cg * a + 127) / 255);
            p[2] = static_cast<uint8_t>((p[2] * (255 - a) + cr * a + 127) / 255);
        }
    }
    SDL_UnlockSurface(argb.get());
}

std::vector<std::string> Wrap(const TFont& font, std::string_view text, int width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        std::string line;
        std::size_t pos = 0;
        while (pos < paragraph.size()) {
            std::size_t wordEnd = paragraph.find(' ', pos);
            if (wordEnd == std::string_view::npos)
                wordEnd = paragraph.size();
            const std::string_view word = paragraph.substr(pos, wordEnd - pos);
            const std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
            if (!line.empty() && Measure(font, candidate).x > width) {
                lines.push_back(line);
                line = std::string(word);
            } else {
                line = candidate;
            }
            pos = wordEnd + 1;
        }
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

}  // namespace TextRenderer
