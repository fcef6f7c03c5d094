// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Display-mode selection and the conversion ratios between the modes.
#include "graphics/CDisplay.h"

#include <cstdint>
#include <memory>

namespace {

std::unique_ptr<CDisplay>& DisplayStorage()
{
    static std::unique_ptr<CDisplay> display = std::make_unique<CDisplay>(800, 600);
    return display;
}

// The ratio tables work on 64 bits so that no layout value overflows; the
// divisions truncate towards zero as the layouts were written for.
int64_t Truncating(int from, int to, int64_t v)
{
    if (from == 16 && to == 2) return v * 5 / 8;
    if (from == 16 && to == 4) return v * 8 / 10;
    if (from == 4 && to == 2) return v * 25 / 32;
    if (from == 4 && to == 16) return v * 10 / 8;
    if (from == 2 && to == 4) return v * 32 / 25;
    if (from == 2 && to == 16) return v * 8 / 5;
    return v;
}

int64_t Rounded(int from, int to, int64_t v)
{
    if (from == 16 && to == 2) return (5 * v + 4) / 8;
    if (from == 16 && to == 4) return (8 * v + 5) / 10;
    if (from == 4 && to == 2) return (25 * v + 16) / 32;
    if (from == 4 && to == 16) return (10 * v + 4) / 8;
    if (from == 2 && to == 4) return (64 * v + 25) / 50;
    if (from == 2 && to == 16) return (16 * v + 5) / 10;
    return v;
}

}  // namespace

CDisplay::CDisplay(int screenWidth, int screenHeight) : screenWidth_(screenWidth), screenHeight_(screenHeight)
{
    if (screenWidth < 1024 || screenHeight < 768) {
        mode_ = variant_ = 2;
        areaWidth_ = pictureWidth_ = 800;
        areaHeight_ = pictureHeight_ = 600;
    } else if (screenWidth < 1280 || screenHeight < 960) {
        mode_ = variant_ = 4;
        areaWidth_ = pictureWidth_ = 1024;
        areaHeight_ = pictureHeight_ = 768;
    } else if (screenHeight >= 1024) {
        mode_ = 16;
        variant_ = 128;
        areaWidth_ = pictureWidth_ = 1280;
        areaHeight_ = 1024;
        pictureHeight_ = 960;
    } else {
        mode_ = variant_ = 16;
        areaWidth_ = pictureWidth_ = 1280;
        areaHeight_ = pictureHeight_ = 960;
    }
    offsetX_ = (screenWidth_ - areaWidth_) / 2;
    offsetY_ = (screenHeight_ - areaHeight_) / 2;
    pictureOffsetX_ = (areaWidth_ - pictureWidth_) / 2;
    pictureOffsetY_ = (areaHeight_ - pictureHeight_) / 2;
    spareWidth_ = areaWidth_ - pictureWidth_;
    spareHeight_ = areaHeight_ - pictureHeight_;
}

int CDisplay::ConvertFromMode(int fromMode, int value) const
{
    return static_cast<int>(Truncating(fromMode, mode_, value));
}

int CDisplay::ConvertFromModeRounded(int fromMode, int value) const
{
    return static_cast<int>(Rounded(fromMode, mode_, value));
}

void CDisplay::ConvertPairFromMode(int fromMode, int& x, int& y) const
{
    x = ConvertFromMode(fromMode, x);
    y = ConvertFromMode(fromMode, y);
}

TPoint CDisplay::ConvertPoint(int fromMode, TPoint point) const
{
    return {ConvertFromModeRounded(fromMode, point.x), ConvertFromModeRounded(fromMode, point.y)};
}

TRect CDisplay::ConvertRect(int fromMode, TRect rect) const
{
    return {ConvertFromModeRounded(fromMode, rect.left), ConvertFromModeRounded(fromMode, rect.top),
            ConvertFromModeRounded(fromMode, rect.right), ConvertFromModeRounded(fromMode, rect.bottom)};
}

void CDisplay::PaintBorder(Bitmap& window) const
{
    if (areaWidth_ >= screenWidth_ && areaHeight_ >= screenHeight_)
        return;
    const TRect area = RectXYWH(offsetX_, offsetY_, areaWidth_, areaHeight_);
    // The screen less the area: bands above and below, then left and right of it.
    window.FillRect({0, 0, screenWidth_, area.top}, clBlack);
    window.FillRect({0, area.bottom, screenWidth_, screenHeight_}, clBlack);
    window.FillRect({0, area.top, area.left, area.bottom}, clBlack);
    window.FillRect({area.right, area.top, screenWidth_, area.bottom}, clBlack);
}

bool CDisplay::IsScreenTooSmall() const
{
    return screenWidth_ < 800 || screenHeight_ < 600;
}

std::string CDisplay::ModePrefix(bool fullScreenBackground) const
{
    switch (mode_) {
    case 2: return "R2_";
    case 4: return "R3_";
    default: return fullScreenBackground ? "R8_" : "R5_";
    }
}

std::string CDisplay::PrefixedName(std::string_view name) const
{
    return ModePrefix(IsFullScreenBackgroundName(name)) + std::string(name);
}

bool IsFullScreenBackgroundName(std::string_view name)
{
    if (name.starts_with("T") || name.starts_with("oprogT") || name.starts_with("pss_tlo"))
        return true;
    return name.size() >= 3 && name.starts_with("mT") && name[2] >= '0' && name[2] <= '6';
}

const CDisplay& Display()
{
    return *DisplayStorage();
}

void SetDisplay(int screenWidth, int screenHeight)
{
    DisplayStorage() = std::make_unique<CDisplay>(screenWidth, screenHeight);
}
