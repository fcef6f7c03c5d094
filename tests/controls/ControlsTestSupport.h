// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the control and screen tests: a headless application driven by
// a script one event at a time, and library pictures written into the
// program's temporary directory.
#pragma once

#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Form.h"
#include "tests/TestSupport.h"

// Picture colours of the test buttons, one per state.
constexpr TColor kNormalColour = RGB(200, 30, 30);
constexpr TColor kHoverColour = RGB(30, 200, 30);
constexpr TColor kPressedColour = RGB(30, 30, 200);
// Columns on the left of a test button that are transparent.
constexpr int kClearColumns = 6;

// A temporary program directory and a headless application on a screen of
// width x height whose input is script.
class HeadlessRig {
public:
    HeadlessRig(int width, int height, const std::string& script = {});
    ~HeadlessRig();

    TApplication& App() { return *app_; }
    const TempDir& Dir() const { return sandbox_.Dir(); }
    // Handles the next n events of the script.
    void Step(int n = 1);

private:
    ProgramSandbox sandbox_;
    std::unique_ptr<TApplication> app_;
};

// RESOURCE\name_A, _D, _M and _ as BMP files: a width x height button whose
// kClearColumns left columns are transparent.
void WriteButtonPictures(const TempDir& dir, const std::string& name, int width, int height);
// A library picture of one colour.
void WriteLibraryPicture(const TempDir& dir, const std::string& name, int width, int height, TColor colour);
// A picture of one colour as a JPEG file at a program path ("Data/Intf/...").
void WriteJpegPicture(const TempDir& dir, const std::string& path, int width, int height, TColor colour);

// A background with a different colour in every pixel, so that any pixel
// put back from the wrong place shows.
Bitmap PatternBackground(int width, int height);

// True when a rectangle of a equals the same-sized rectangle of b at (bx, by).
bool SameArea(const Bitmap& a, TRect rect, const Bitmap& b, int bx, int by);

// True when two colours differ by at most tolerance in every channel.
bool Near(TColor a, TColor b, int tolerance = 6);

// A full-screen form that fills itself with the pattern background.
class PlainForm : public TForm {
public:
    PlainForm(TApplication& app, const std::string& name, int width, int height);
    Bitmap Background;
};
