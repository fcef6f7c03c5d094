// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A small data tree for the train game and the zoom, written into a test's
// program directory for the current display mode, and a rig that holds a
// headless application, the catalogue and the statistics the game uses.
#pragma once

#include <memory>
#include <string>

#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/SoundPlayer.h"
#include "tests/controls/ControlsTestSupport.h"

class TFormPociag;

// Sizes of the test pictures in a display mode.
struct TrainSizes {
    int frameWidth, frameHeight;  // word frame and wagon fronts
    int figureWidth, figureHeight;
    int highlightWidth, highlightHeight;
    int boxWidth, boxHeight;
    int zoomWidth, zoomHeight;      // zoom frame of the mode
    int windowWidth, windowHeight;  // its window mask
};
TrainSizes TrainSizesFor(int mode);

// Colours of the test pictures: the wagon fronts are opaque kFrontColour
// around a transparent window; the zoom frame is opaque kZoomColour around
// a transparent window; the word frame is kWordFrameColour.
constexpr TColor kFrontColour = RGB(40, 90, 220);
constexpr TColor kZoomColour = RGB(230, 120, 20);
constexpr TColor kWordFrameColour = RGB(250, 250, 250);
constexpr TColor kHighlightColour = RGB(255, 230, 0);

// A picture over black and over white from a colour picture and its 8-bit mask.
void WritePair(const TempDir& dir, const std::string& base, const std::string& ext, const Bitmap& colour,
               const Bitmap& mask);
// The zoom's frame pair and window mask of a mode prefix ("R2_" or "R3_").
void WriteZoomData(const TempDir& dir, const std::string& prefix, int mode);
// Every picture and button the train screen loads in the current display mode,
// the summary's pictures, and (with words) a picture and a recording of
// every catalogue word and the praise and reproach recordings.
void WriteTrainData(const TempDir& dir, bool words);

// A headless application of the screen size with the train's data, the
// catalogue and the statistics installed as the program's, the train's
// settings set to sounds, positions and amount, and a silent sound player
// that remembers what was played. Restores everything it changed.
class TrainRig {
public:
    TrainRig(int width, int height, int32_t sounds, int poziom, const std::string& script = {},
             bool words = true, int32_t positions = 0x7000);
    ~TrainRig();

    TApplication& App() { return rig_->App(); }
    const TempDir& Dir() const { return rig_->Dir(); }
    CSlowa& Catalogue() { return *slowa_; }
    CStatRec& Stats() { return *stats_; }
    SilentSoundPlayer& Sounds() { return *sounds_; }
    void Step(int n = 1) { rig_->Step(n); }

private:
    std::unique_ptr<HeadlessRig> rig_;
    std::unique_ptr<CSlowa> slowa_;
    std::unique_ptr<CStatRec> stats_;
    SilentSoundPlayer* sounds_ = nullptr;
    std::unique_ptr<SoundPlayer> previousSounds_;
    int16_t savedGloski_, savedPozycja_, savedPoziom_;
};

// Screen point of a point of the game's paint box.
TPoint OnScreen(const TFormPociag& form, TPoint p);
