// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The enlarged word picture: a magnifier frame over the scene with the word's
// large picture in its window, shown while the word is heard. One zoom serves
// every game that offers it; each passes its own canvas and scene.
#pragma once

#include <string>

#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"

class TCanvas;

class CZoom {
public:
    // What the zoom needs of a word: the stem of its picture and recording
    // files, and the recording the catalogue may name instead.
    struct SWord {
        std::string Key;
        std::string SoundAlias;
    };
    // Any word record with Key and SoundAlias (the catalogue's SPaczka).
    template <class Word>
    static SWord WordOf(const Word& word)
    {
        return {word.Key, word.SoundAlias};
    }

    // Loads the frame pair and the window mask of the display mode. A frame
    // pair that cannot be read leaves an empty frame; a window mask that
    // cannot be read raises the loader's error.
    CZoom(int mode, TCanvas& canvas, Bitmap& scene);
    CZoom(const CZoom&) = delete;
    CZoom& operator=(const CZoom&) = delete;

    // The frame centred on (x, y), moved inside the canvas's clip rectangle,
    // composed over the scene and drawn on the canvas. The scene is left as
    // it is: only the canvas shows the zoom.
    void Show(TCanvas& canvas, const Bitmap& scene, int y, int x, const SWord& word);
    // With the canvas and scene given at creation.
    void Show(int y, int x, const SWord& word) { Show(*canvas_, *scene_, y, x, word); }
    // The frame over the scene under Rect() with the word's picture in its window.
    void Compose(const Bitmap& scene);
    // Puts the scene back where the zoom was.
    void Hide(TCanvas& canvas, const Bitmap& scene);
    void Hide() { Hide(*canvas_, *scene_); }
    // The word's recording to its end, then a short pause with the picture still up.
    void PlayWord();

    int Mode() const { return mode_; }
    TRect Size() const { return size_; }
    TRect Rect() const { return rect_; }
    // Where the word picture sits inside the frame.
    TPoint PictureOffset() const { return pictureOffset_; }
    const CTransBitmap& Frame() const { return frame_; }
    const Bitmap& WindowMask() const { return windowMask_; }
    const SWord& Word() const { return word_; }

    static constexpr int kPauseAfterWordMs = 400;

private:
    int mode_;
    CTransBitmap frame_;
    Bitmap windowMask_;
    SWord word_;
    TCanvas* canvas_;
    Bitmap* scene_;
    TRect size_;
    TRect rect_;
    TPoint pictureOffset_;
};
