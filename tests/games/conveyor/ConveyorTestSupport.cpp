// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/games/conveyor/ConveyorTestSupport.h"

#include "graphics/CDisplay.h"

CTransBitmap SolidPicture(int w, int h, TColor colour)
{
    CTransBitmap p;
    auto c = std::make_unique<Bitmap>(w, h);
    c->Fill(colour);
    auto m = std::make_unique<Bitmap>(w, h, PixelFormat::Gray8);
    m->Fill(clWhite);
    p.SetColour(std::move(c));
    p.SetMask(std::move(m));
    return p;
}

const CSlowa::SPaczka& ConveyorWords::Add(int32_t sound, const char* key)
{
    auto word = std::make_unique<CSlowa::SPaczka>();
    word->Key = key;
    word->Flags = sound;
    words_.push_back(std::move(word));
    return *words_.back();
}

ConveyorCans::ConveyorCans()
    : lowerMask_(148, 184, PixelFormat::Gray8),
      upperMask_(148, 180, PixelFormat::Gray8),
      narrowLowerMask_(100, 184, PixelFormat::Gray8),
      narrowUpperMask_(100, 180, PixelFormat::Gray8)
{
    for (Bitmap* m : {&lowerMask_, &upperMask_, &narrowLowerMask_, &narrowUpperMask_})
        m->Fill(clWhite);
}

std::unique_ptr<CTasPuszka> ConveyorCans::Make(const CSlowa::SPaczka& word, int width) const
{
    const bool narrow = width != 148;
    auto lower = std::make_unique<Bitmap>(narrow ? 100 : 148, 184);
    lower->Fill(RGB(0, 150, 200));
    auto upper = std::make_unique<Bitmap>(narrow ? 100 : 148, 180);
    upper->Fill(RGB(0, 200, 150));
    return std::make_unique<CTasPuszka>(word, std::move(lower), 5, 40, narrow ? narrowUpperMask_ : upperMask_,
                                        narrow ? narrowLowerMask_ : lowerMask_, std::move(upper));
}

CTasChwyt::SPictures CranePictures()
{
    const int mode = Display().Mode();
    const int k = mode == 2 ? 0 : mode == 4 ? 1 : 2;
    const int g[3] = {9, 11, 14}, f[3] = {15, 19, 24}, e[3] = {18, 22, 28}, c[3] = {52, 66, 84};
    const int rod[3] = {8, 10, 14}, rail[3] = {10, 13, 16};
    CTasChwyt::SPictures p;
    p.magg = SolidPicture(2 * f[k] + rod[k], c[k], RGB(200, 0, 0));
    p.magd = SolidPicture(2 * f[k] + 2 + rod[k], c[k], RGB(220, 0, 0));
    p.mags = SolidPicture(2 * e[k] + rod[k], 2 * g[k] + rail[k], RGB(180, 0, 0));
    p.kolg = SolidPicture(2 * g[k] + rod[k], 2 * g[k] + rail[k], RGB(250, 200, 0));
    p.kold = SolidPicture(2 * g[k] + rod[k], 2 * g[k] + rail[k], RGB(250, 210, 0));
    p.puss = SolidPicture(Display().ConvertFromMode(16, 150), Display().ConvertFromMode(16, 150), RGB(0, 120, 120));
    for (auto* r : {&p.rlpd, &p.rlps, &p.rlpg}) {
        *r = std::make_unique<Bitmap>(Display().AreaWidth(), rail[k]);
        (*r)->Fill(RGB(120, 120, 140));
    }
    p.rgd = std::make_unique<Bitmap>(rod[k], Display().ConvertFromMode(16, 300));
    p.rgd->Fill(RGB(190, 190, 200));
    return p;
}

std::unique_ptr<CTasRury> ModePipes()
{
    const CDisplay& d = Display();
    auto pipes = std::make_unique<CTasRury>(d.ConvertFromModeRounded(16, 84) + d.SpareHeight(),
                                            d.ConvertFromModeRounded(16, 25), 180);
    const int width = d.ConvertFromModeRounded(16, 624) - d.ConvertFromModeRounded(16, 478);
    for (int left : {478, 683, 888, 1093}) {
        const int x = d.ConvertFromModeRounded(16, left);
        pipes->AddPipe(x, x + width);
    }
    return pipes;
}

DisplayRestorer::~DisplayRestorer() { SetDisplay(800, 600); }
