// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where one picture screen sits in the suction-cups scene and where a right
// plate sticks below it. The five places are shared by every board.
#pragma once

#include <array>

#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class CDisplay;

class CPssEkranikRes {
public:
    static constexpr int kPlaceCount = 5;

    // Cuts the screen's casing (colour and mask) out of the scene over rect;
    // reachX and reachY are how far from the docking point a drop still docks.
    CPssEkranikRes(const CTransBitmap& scene, TRect rect, TPoint dock, int reachX, int reachY);

    // Place k = 0..4 of the display mode.
    static CPssEkranikRes Make(const CTransBitmap& scene, const CDisplay& display, int k);
    static TRect PlaceRect(const CDisplay& display, int k);
    static TPoint DockPoint(const CDisplay& display, int k);

    const TRect& Rect() const { return rect_; }
    TPoint Dock() const { return dock_; }
    const CTransBitmap& CutOut() const { return cutOut_; }

    bool Contains(int x, int y) const { return rect_.Contains(x, y); }
    bool Docks(int x, int y) const;

private:
    TRect rect_;
    TPoint dock_;
    int reachX_;
    int reachY_;
    CTransBitmap cutOut_;
};
