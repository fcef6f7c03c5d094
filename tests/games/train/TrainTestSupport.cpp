// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/games/train/TrainTestSupport.h"

#include "core/CUstGry.h"
#include "core/Program.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "graphics/Jpeg.h"
#include "graphics/LoadCorrectBitmap.h"
#include "tests/core/CoreTestSupport.h"
#include "tests/screens/ScreensTestSupport.h"

namespace {

Bitmap Solid(int w, int h, TColor colour, PixelFormat format = PixelFormat::Bgr24)
{
    Bitmap b(w, h, format);
    b.Fill(colour);
    return b;
}

// A mask opaque everywhere except inside window.
Bitmap MaskWithWindow(int w, int h, TRect window)
{
    Bitmap mask = Solid(w, h, clWhite, PixelFormat::Gray8);
    mask.FillRect(window, clBlack);
    return mask;
}

void WriteJpeg(const TempDir& dir, const std::string& path, const Bitmap& b) { dir.Write(path, EncodeJpeg(b, 95)); }

std::string Spec(const std::string& name) { return "Data/Intf/Spec/" + name; }

}  // namespace

TrainSizes TrainSizesFor(int mode)
{
    if (mode == 2)
        return {125, 100, 90, 112, 150, 125, 110, 90, 298, 224, 240, 180};
    if (mode == 4)
        return {160, 128, 115, 144, 192, 160, 140, 115, 396, 298, 320, 240};
    return {200, 160, 144, 180, 240, 200, 176, 144, 396, 298, 320, 240};
}

void WritePair(const TempDir& dir, const std::string& base, const std::string& ext, const Bitmap& colour,
               const Bitmap& mask)
{
    Bitmap onBlack(colour.Width(), colour.Height()), onWhite(colour.Width(), colour.Height());
    for (int y = 0; y < colour.Height(); ++y)
        for (int x = 0; x < colour.Width(); ++x) {
            const TColor c = colour.GetPixel(x, y);
            const int a = mask.GetPixel(x, y) & 0xFF;
            auto over = [&](int background) {
                auto ch = [&](int v) { return (v * a + background * (255 - a) + 127) / 255; };
                return RGB(ch(c & 0xFF), ch((c >> 8) & 0xFF), ch((c >> 16) & 0xFF));
            };
            onBlack.SetPixel(x, y, over(0));
            onWhite.SetPixel(x, y, over(255));
        }
    const bool jpeg = ext == ".xji";
    dir.Write(base + "B" + ext, jpeg ? EncodeJpeg(onBlack, 98) : EncodeBmp(onBlack));
    dir.Write(base + "W" + ext, jpeg ? EncodeJpeg(onWhite, 98) : EncodeBmp(onWhite));
}

void WriteZoomData(const TempDir& dir, const std::string& prefix, int mode)
{
    const TrainSizes s = TrainSizesFor(mode);
    const int ox = mode == 2 ? 29 : 38, oy = mode == 2 ? 22 : 29;
    const TRect window = RectXYWH(ox, oy, s.windowWidth, s.windowHeight);
    Bitmap frame = Solid(s.zoomWidth, s.zoomHeight, kZoomColour);
    WritePair(dir, Spec(prefix + "ZoomEx"), ".xji", frame, MaskWithWindow(s.zoomWidth, s.zoomHeight, window));
    // The window mask: the picture shows everywhere but in a 4-pixel margin.
    Bitmap windowMask = Solid(s.windowWidth, s.windowHeight, clBlack);
    windowMask.FillRect({4, 4, s.windowWidth - 4, s.windowHeight - 4}, clWhite);
    WriteJpeg(dir, Spec(prefix + "ZoomExObrM.xji"), windowMask);
}

void WriteTrainData(const TempDir& dir, bool words)
{
    const CDisplay& d = Display();
    const int mode = d.Mode();
    const TrainSizes s = TrainSizesFor(mode);
    const std::string p = d.ModePrefix();

    // The room: a wall above the floor, so that pictures over it show.
    const int backWidth = d.PictureWidth(), backHeight = mode == 16 ? 1024 : d.PictureHeight();
    Bitmap room = Solid(backWidth, backHeight, RGB(255, 236, 170));
    room.FillRect({0, backHeight * 2 / 3, backWidth, backHeight}, RGB(200, 140, 80));
    WriteJpeg(dir, Spec(d.PrefixedName("Tpociag.xji")), room);

    for (int k = 0; k < 6; ++k)
        WriteJpeg(dir, Spec(p + "poc_gad" + std::to_string(k) + ".xji"),
                  Solid(s.figureWidth, s.figureHeight, RGB(40 * k, 160, 90)));
    const int t = mode == 2 ? 3 : mode == 4 ? 4 : 5;
    Bitmap frame = Solid(s.frameWidth, s.frameHeight, kWordFrameColour);
    frame.FillRect({t, t, s.frameWidth - t, s.frameHeight - t}, RGB(128, 128, 128));
    dir.Write(Spec(p + "poc_ramp.xbi"), EncodeBmp(frame));

    Bitmap ring = Solid(s.highlightWidth, s.highlightHeight, kHighlightColour);
    const int r = s.highlightWidth / 10;
    WritePair(dir, Spec(p + "poc_psw"), ".xji", ring,
              MaskWithWindow(s.highlightWidth, s.highlightHeight, {r, r, s.highlightWidth - r, s.highlightHeight - r}));

    // Wagon fronts: a panel round a window through which the picture shows.
    const int side = s.frameWidth * 6 / 100, top = s.frameHeight * 6 / 100, bottom = s.frameHeight * 20 / 100;
    const TRect window{side, top, s.frameWidth - side, s.frameHeight - bottom};
    for (int i = 1; i <= 4; ++i)
        WritePair(dir, Spec(p + "poc_sz" + std::to_string(i)), ".xji", Solid(s.frameWidth, s.frameHeight, kFrontColour),
                  MaskWithWindow(s.frameWidth, s.frameHeight, window));

    for (int k = 0; k < 12; ++k) {
        Bitmap box = Solid(s.boxWidth, s.boxHeight, RGB(170, 110, 60));
        box.FillRect({4, 4, s.boxWidth - 4, s.boxHeight - 4}, RGB(220, 170, 110));
        WriteJpeg(dir, Spec(p + "poc_regp" + std::to_string(k % 4 + 1) + std::to_string(k / 4 + 1) + ".xji"), box);
    }
    // The star of a right answer's burst.
    WritePair(dir, Spec(p + "gwiazdka"), ".xji", Solid(20, 20, RGB(255, 200, 0)),
              MaskWithWindow(20, 20, {5, 5, 15, 15}));
    WriteZoomData(dir, mode == 2 ? "R2_" : "R3_", mode);
    WriteButtonPictures(dir, "stop", 64, 60);
    WriteButtonPictures(dir, "pomoc", 64, 60);
    WriteSummaryData(dir);
    if (!words)
        return;

    const std::string wave = MakeWave(300);
    for (int k = 0; k < 47; ++k) {
        const std::string n = (k < 10 ? "0" : "") + std::to_string(k);
        dir.Write("Data/Intf/Smd/g" + n + ".pw", wave);
        if (k < 40)
            dir.Write("Data/Intf/Smd/b" + n + ".pw", wave);
    }
    const CSlowa catalogue;
    int n = 0;
    for (const CSlowa::SPaczka& word : catalogue.Words()) {
        // A colour of its own per word, with a lighter square in the middle.
        const TColor colour = RGB(60 + (n * 37) % 180, 60 + (n * 71) % 180, 60 + (n * 113) % 180);
        Bitmap small = Solid(200, 150, colour);
        small.FillRect({70, 45, 130, 105}, RGB(250, 250, 250));
        dir.Write("Data/exio200b/" + word.Key + ".xbi", EncodeBmp(small));
        Bitmap large = Solid(400, 300, colour);
        large.FillRect({140, 90, 260, 210}, RGB(250, 250, 250));
        WriteJpeg(dir, "Data/exio400j/" + word.Key + ".xji", large);
        dir.Write("Data/Smd/" + word.Key + ".pw", wave);
        ++n;
    }
}

TrainRig::TrainRig(int width, int height, int32_t sounds, int poziom, const std::string& script, bool words,
                   int32_t positions)
    : savedGloski_(UstPociag.Gloski), savedPozycja_(UstPociag.Pozycja), savedPoziom_(UstPociag.Poziom)
{
    SetDisplay(width, height);
    rig_ = std::make_unique<HeadlessRig>(width, height, script);
    WriteTrainData(rig_->Dir(), words);
    auto player = std::make_unique<SilentSoundPlayer>();
    sounds_ = player.get();
    previousSounds_ = InstallSoundPlayer(std::move(player));
    slowa_ = std::make_unique<CSlowa>();
    stats_ = std::make_unique<CStatRec>(6, nullptr);
    Slowa = slowa_.get();
    StatRec = stats_.get();
    Application = &rig_->App();
    UstPociag.Gloski = static_cast<int16_t>(sounds);
    UstPociag.Pozycja = static_cast<int16_t>(positions);
    UstPociag.Poziom = static_cast<int16_t>(poziom);
}

TrainRig::~TrainRig()
{
    Application = nullptr;
    StatRec = nullptr;
    Slowa = nullptr;
    stats_.reset();
    slowa_.reset();
    InstallSoundPlayer(std::move(previousSounds_));
    rig_.reset();
    UstPociag.Gloski = savedGloski_;
    UstPociag.Pozycja = savedPozycja_;
    UstPociag.Poziom = savedPoziom_;
    SetDisplay(800, 600);
}

TPoint OnScreen(const TFormPociag& form, TPoint p) { return form.pbGame.ClientToScreen(p); }
