// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The enlarged word picture.
#include "controls/CZoom.h"

#include "graphics/Cbitmapy.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/SoundPlayer.h"
#include "platform/VoiceFiles.h"

namespace {

// Modes 4 and 16 share the larger frame.
std::string FramePrefix(int mode) { return mode == 2 ? "Data\\Intf\\Spec\\R2_" : "Data\\Intf\\Spec\\R3_"; }

}  // namespace

CZoom::CZoom(int mode, TCanvas& canvas, Bitmap& scene)
    : mode_(mode), canvas_(&canvas), scene_(&scene),
      pictureOffset_(mode == 2 ? TPoint{29, 22} : TPoint{38, 29})
{
    const std::string prefix = FramePrefix(mode);
    // A frame that cannot be read only makes the zoom invisible; the game goes on.
    frame_.TryLoadPair(prefix + "ZoomExB.xji", prefix + "ZoomExW.xji");
    LoadJpegInto(windowMask_, prefix + "ZoomExObrM.xji");
    if (frame_.Colour)
        size_ = {0, 0, frame_.Colour->Width(), frame_.Colour->Height()};
}

void CZoom::Show(TCanvas& canvas, const Bitmap& scene, int y, int x, const SWord& word)
{
    word_ = word;
    const int width = size_.Width(), height = size_.Height();
    rect_.left = x - width / 2;
    rect_.top = y - height / 2;
    rect_.right = rect_.left + width;
    rect_.bottom = rect_.top + height;
    const TRect clip = canvas.ClipRect();
    if (clip.right != 0 && clip.bottom != 0) {
        // In this order, so that a zoom larger than the clip keeps its top-left corner inside.
        if (rect_.right > clip.right)
            rect_ = rect_.Offset(clip.right - rect_.right, 0);
        if (rect_.bottom > clip.bottom)
            rect_ = rect_.Offset(0, clip.bottom - rect_.bottom);
        if (rect_.left < clip.left)
            rect_ = rect_.Offset(clip.left - rect_.left, 0);
        if (rect_.top < clip.top)
            rect_ = rect_.Offset(0, clip.top - rect_.top);
    }
    Compose(scene);
    if (frame_.Cache)
        canvas.Draw(rect_.left, rect_.top, *frame_.Cache);
}

void CZoom::Compose(const Bitmap& scene)
{
    if (!frame_.Colour || !frame_.Mask) {
        frame_.Cache.reset();
        return;
    }
    const std::unique_ptr<Bitmap> picture =
        LoadWordPictureLarge(word_.Key, windowMask_.Width(), windowMask_.Height(), 1);
    frame_.ComposeOver(*frame_.Colour, *frame_.Mask, 255, rect_.top, rect_.left, scene);
    Bitmap* cache = frame_.Cache.get();
    BlendTransparent(cache, pictureOffset_.x, pictureOffset_.y, 255, pictureOffset_.y, pictureOffset_.x, cache,
                     RectXYWH(0, 0, picture->Width(), picture->Height()), &windowMask_, picture.get());
}

void CZoom::Hide(TCanvas& canvas, const Bitmap& scene)
{
    canvas.CopyRect(rect_, scene, rect_);
    frame_.Cache.reset();
}

void CZoom::PlayWord()
{
    if (!word_.SoundAlias.empty()) {
        TheSoundPlayer().Play(NativePath(word_.SoundAlias), true);
    } else {
        // Words without an alias are heard from their own recording.
        PlayRecording("Data\\Smd\\" + word_.Key + ".pw", true);
    }
    TheClock().Sleep(kPauseAfterWordMs);
}
