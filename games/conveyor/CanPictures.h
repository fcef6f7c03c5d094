// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two can pictures of the conveyor (the can standing or hanging, and
// the can held from below) prepared once: their windows cut out as overlays
// and made opaque, so that a word picture put into the window keeps the
// glass and rim drawn over it. Makes the cans of one game.
#pragma once

#include <memory>
#include <string>

#include "core/CSlowa.h"
#include "games/conveyor/CTasPuszka.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class CanPictures {
public:
    // The windows (left, top, right, bottom) of the lower and upper can in
    // the display mode.
    static TRect LowerWindow(int mode);
    static TRect UpperWindow(int mode);

    // Loads the pair of each can with the mode's prefix; raises the loader's
    // error when one is missing.
    CanPictures(const std::string& prefix, int mode);
    // From pictures already loaded (tests).
    CanPictures(CTransBitmap lower, CTransBitmap upper, int mode);

    // A can for the word: its picture in both windows under the overlays.
    // A word without a picture gets the empty window.
    std::unique_ptr<CTasPuszka> MakeCan(const CSlowa::SPaczka& word, int lift, int gripWidth) const;

    const CTransBitmap& Lower() const { return lower_; }
    const CTransBitmap& Upper() const { return upper_; }
    TRect LowerWindowRect() const { return lowerWindow_; }
    TRect UpperWindowRect() const { return upperWindow_; }

private:
    void Prepare();
    std::unique_ptr<Bitmap> Compose(const CTransBitmap& can, const CTransBitmap& overlay, TRect window,
                                    const Bitmap* word) const;

    CTransBitmap lower_;
    CTransBitmap upper_;
    CTransBitmap lowerOverlay_;
    CTransBitmap upperOverlay_;
    TRect lowerWindow_;
    TRect upperWindow_;
};
