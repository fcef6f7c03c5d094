// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The display mode: which of the three design areas (800 x 600, 1024 x 768,
// 1280 x 960) the screen gets, where it sits, and the conversion of layout
// values written for one mode into the current one.
#pragma once

#include <string>
#include <string_view>

#include "platform/Bitmap.h"

class CDisplay {
public:
    CDisplay(int screenWidth, int screenHeight);

    int ScreenWidth() const { return screenWidth_; }
    int ScreenHeight() const { return screenHeight_; }
    // Equal to the mode, except 128 on screens of at least 1280 x 1024.
    int Variant() const { return variant_; }
    // 2, 4 or 16.
    int Mode() const { return mode_; }
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    int AreaWidth() const { return areaWidth_; }
    int AreaHeight() const { return areaHeight_; }
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    int PictureOffsetX() const { return pictureOffsetX_; }
    int PictureOffsetY() const { return pictureOffsetY_; }
    int SpareWidth() const { return spareWidth_; }
    int SpareHeight() const { return spareHeight_; }

    // A value written for fromMode in the current mode, truncated or rounded.
    int ConvertFromMode(int fromMode, int value) const;
    int ConvertFromModeRounded(int fromMode, int value) const;
    // Both values in place, truncating.
    void ConvertPairFromMode(int fromMode, int& x, int& y) const;
    // Every coordinate rounded.
    TPoint ConvertPoint(int fromMode, TPoint point) const;
    TRect ConvertRect(int fromMode, TRect rect) const;

    // Blackens the screen outside the design area; window is the whole screen.
    void PaintBorder(Bitmap& window) const;
    bool IsScreenTooSmall() const;

    // Picture-name prefix of the mode: "R2_", "R3_", "R5_", and "R8_" for the
    // full-screen backgrounds of mode 16.
    std::string ModePrefix(bool fullScreenBackground = false) const;
    // ModePrefix chosen by the name: the backgrounds are the names beginning
    // with "T", "mT0" to "mT6", "oprogT" and "pss_tlo".
    std::string PrefixedName(std::string_view name) const;

private:
    int screenWidth_;
    int screenHeight_;
    int variant_;
    int mode_;
    int offsetX_;
    int offsetY_;
    int areaWidth_;
    int areaHeight_;
    int pictureWidth_;
    int pictureHeight_;
    int pictureOffsetX_;
    int pictureOffsetY_;
    int spareWidth_;
    int spareHeight_;
};

// True for the names of full-screen background pictures (see PrefixedName).
bool IsFullScreenBackgroundName(std::string_view name);

// The program's display, made from the screen size at start-up (800 x 600
// until then).
const CDisplay& Display();
void SetDisplay(int screenWidth, int screenHeight);
