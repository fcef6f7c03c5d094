// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a line of bitmap-font text onto a 24-bit back buffer.
#include <benchmark/benchmark.h>

#include "graphics/CTransFont.h"

static void BM_DrawText(benchmark::State& state)
{
    CTransFont font;
    font.SetMetrics(24, 1, 0);
    // Anti-aliased-looking glyphs: a ramp of coverage values, 14 x 22 pixels.
    for (int c = 33; c < 127; ++c) {
        auto glyph = std::make_unique<CTByteBitmap>();
        glyph->SetSize(14, 22);
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 14; ++x)
                glyph->Set(x, y, static_cast<uint8_t>((x * 37 + y * 11 + c) % 256));
        font.MapChar(static_cast<uint8_t>(c), static_cast<uint8_t>(font.AddGlyph(1, 1, std::move(glyph))));
    }
    Bitmap target(800, 600);
    target.Fill(RGB(40, 120, 200));
    const std::string text = "Szeptaczki: przenies obrazek do pudelka z gloska SZ!";
    const int opacity = static_cast<int>(state.range(0));
    for (auto _ : state) {
        font.DrawText(target, {10, 100, 790, 140}, opacity, RGB(255, 255, 0), text);
        benchmark::DoNotOptimize(target.Bits());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_DrawText)->Arg(255)->Arg(128);
