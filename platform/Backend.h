// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the form library needs from a display and input device: the SDL window
// or the in-memory screen of headless runs, behind one interface.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Input.h"

class Backend {
public:
    virtual ~Backend() = default;
    Backend() = default;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // The composed screen (24-bit); Present shows a rectangle of it.
    Bitmap& Screen() { return screen_; }
    virtual void Present(const TRect& rect) = 0;
    // Shows several rectangles as one present; only they are looked at.
    virtual void Present(std::span<const TRect> rects)
    {
        for (const TRect& r : rects)
            Present(r);
    }

    // A screen rectangle shown straight from a 24-bit picture that holds what
    // the screen would show there: screen point (x, y) is the picture's pixel
    // (x - origin.x, y - origin.y). It spares the copy into Screen(), which
    // stays behind there until the caller composes it again.
    struct PictureRect {
        TRect rect;
        const Bitmap* picture;
        TPoint origin;
    };
    // True while Present can take such rectangles (the window shows the
    // screen pixel for pixel; a scaled window compares with Screen() instead).
    virtual bool PresentsPictures() const { return false; }
    // Shows rects from Screen() and pictures from their pictures as one present.
    virtual void Present(std::span<const TRect> rects, std::span<const PictureRect> pictures)
    {
        (void)pictures;  // never given where PresentsPictures() is false
        Present(rects);
    }

    // Takes the next input event without waiting.
    virtual bool PollEvent(InputEvent& event) = 0;
    // Waits up to timeoutMs (-1: without limit) for an event.
    virtual bool WaitEvent(InputEvent& event, int timeoutMs) = 0;
    // Takes the next event that has already arrived, for a handler that lets
    // the waiting messages run. A script's lines count as arrived up to its
    // next wait, shot or expect line, which stays for the message loop.
    virtual bool PollArrivedEvent(InputEvent& event) { return PollEvent(event); }
    // True for the headless back end: its input is a script of future events.
    virtual bool IsHeadless() const = 0;

    virtual void SetCursorShape(TCursor cursor) = 0;
    // Confines the pointer to a screen rectangle (nullptr: releases it);
    // false when the platform cannot confine it.
    virtual bool ConfinePointer(const TRect* rect) = 0;
    virtual void WarpPointer(int x, int y) = 0;
    virtual void SetTitle(const std::string& cp1250) = 0;
    // Brings the window to the front (a second copy of the program asked for it).
    virtual void Raise() = 0;
    // Saves what the display really shows as a PNG file.
    virtual bool SaveDisplayedPicture(const std::filesystem::path& file) = 0;

protected:
    Bitmap screen_;
};
