// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/games/memory/MemoryTestSupport.h"

#include "core/CUstGry.h"
#include "core/SoundCodes.h"
#include "games/memory/CKarta.h"
#include "graphics/CDisplay.h"
#include "graphics/Jpeg.h"
#include "tests/screens/ScreensTestSupport.h"

namespace {

void WritePicture(const TempDir& dir, const std::string& name, const Bitmap& picture)
{
    dir.Write("Data/Intf/Spec/" + name, EncodeJpeg(picture, 95));
}

Bitmap Solid(int w, int h, TColor colour)
{
    Bitmap b(w, h);
    b.Fill(colour);
    return b;
}

struct ModeSizes {
    const char* background;  // prefix of the full-screen picture
    const char* object;      // prefix of the other pictures
    int width, height;       // of the background
    int panelW, panelH, figureW, figureH, cardW, cardH;
};

constexpr ModeSizes kModes[] = {
    {"R2_", "R2_", 800, 600, 250, 188, 137, 212, 62, 84},
    {"R3_", "R3_", 1024, 768, 320, 240, 176, 272, 70, 95},
    {"R8_", "R5_", 1280, 960, 400, 300, 220, 340, 88, 119},
};

}  // namespace

void WriteMemoryData(const TempDir& dir)
{
    for (const ModeSizes& m : kModes) {
        const std::string obj = m.object;
        WritePicture(dir, std::string(m.background) + "Tmem3.xji", Solid(m.width, m.height, kTableColour));
        // A panel mask: opaque inside a 4-pixel transparent border.
        Bitmap mask = Solid(m.panelW, m.panelH, clBlack);
        mask.FillRect({4, 4, m.panelW - 4, m.panelH - 4}, clWhite);
        WritePicture(dir, obj + "mem_wysM.xji", mask);
        for (int k = 1; k <= 11; ++k) {
            const std::string name = obj + "mem_gad" + (k < 10 ? "0" : "") + std::to_string(k);
            // An opaque body and a transparent margin of 10 pixels.
            Bitmap onBlack = Solid(m.figureW, m.figureH, clBlack);
            Bitmap onWhite = Solid(m.figureW, m.figureH, clWhite);
            const TRect body{10, 10 + k, m.figureW - 10, m.figureH - 10};
            onBlack.FillRect(body, kFigureColour);
            onWhite.FillRect(body, kFigureColour);
            WritePicture(dir, name + "B.xji", onBlack);
            WritePicture(dir, name + "W.xji", onWhite);
        }
        if (obj != "R2_")
            WritePicture(dir, obj + "mem_blkcard0.xji", Solid(m.cardW, m.cardH, kCardBackColour));
    }
    WriteButtonPictures(dir, "pomoc", 70, 60);
    WriteSummaryData(dir);
}

void WriteWave(const TempDir& dir, const std::string& path, int milliseconds)
{
    const uint32_t rate = 8000;
    const uint32_t samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
    std::string w;
    auto u32 = [&w](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&w](uint16_t v) {
        w += static_cast<char>(v & 0xFF);
        w += static_cast<char>(v >> 8);
    };
    w += "RIFF";
    u32(36 + samples);
    w += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate);
    u16(1);
    u16(8);
    w += "data";
    u32(samples);
    w += std::string(samples, static_cast<char>(128));
    dir.Write(path, w);
}

MemorySettings::MemorySettings(int16_t level)
    : poziom_(UstMemory3.Poziom), gloski_(UstMemory3.Gloski), pozycja_(UstMemory3.Pozycja)
{
    UstMemory3.Poziom = level;
    UstMemory3.Gloski = static_cast<int16_t>(GL_SZ);
    UstMemory3.Pozycja = static_cast<int16_t>(POZ_WSZYSTKIE);
}

MemorySettings::~MemorySettings()
{
    UstMemory3.Poziom = poziom_;
    UstMemory3.Gloski = gloski_;
    UstMemory3.Pozycja = pozycja_;
}

MemoryRig::MemoryRig(int width, int height, const std::string& script) : rig(width, height, script)
{
    SetDisplay(width, height);
    WriteMemoryData(rig.Dir());
    words = std::make_unique<CSlowa>();
    stats = std::make_unique<CStatRec>(6, nullptr);
    main = std::make_unique<PlainForm>(rig.App(), "FormMain", width, height);
    summary = std::make_unique<TFormKoniecGry>(rig.App(), *stats);
    memory = std::make_unique<TFormMemory3>(rig.App(), *words, *stats, *summary);
    words->Filter(UstMemory3);
}

MemoryRig::~MemoryRig()
{
    memory.reset();
    summary.reset();
    main.reset();
    SetDisplay(800, 600);
}

// The summary is centred on the main form, which covers the screen.
TPoint MemoryRig::SummaryStart(int screenWidth, int screenHeight)
{
    const int left = (screenWidth - TFormKoniecGry::kWidth) / 2;
    const int top = (screenHeight - TFormKoniecGry::kHeight) / 2;
    return {left + 235 + 30, top + 340 + 20};
}

TPoint MemoryRig::SummaryStop(int screenWidth, int screenHeight)
{
    const int left = (screenWidth - TFormKoniecGry::kWidth) / 2;
    const int top = (screenHeight - TFormKoniecGry::kHeight) / 2;
    return {left + 325 + 30, top + 340 + 20};
}

std::vector<std::string> DealOf(const graMemory& board)
{
    std::vector<std::string> deal;
    for (int k = 0; k < board.SlotCount(); ++k)
        deal.push_back(board.Slot(k).WordName());
    return deal;
}
