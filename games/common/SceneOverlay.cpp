// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/common/SceneOverlay.h"

#include <algorithm>

TRect Covering(TRect a, TRect b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

TRect SceneOverlay::Keep(const Bitmap& scene, TRect rect)
{
    rect_ = rect.Intersect(scene.Bounds());
    if (rect_.IsEmpty())
        return rect_;
    if (kept_.Width() < rect_.Width() || kept_.Height() < rect_.Height())
        kept_ = Bitmap(rect_.Width(), rect_.Height(), PixelFormat::Bgr24);
    kept_.CopyRect(RectXYWH(0, 0, rect_.Width(), rect_.Height()), scene, rect_);
    return rect_;
}

TRect SceneOverlay::PutBack(Bitmap& scene)
{
    const TRect r = rect_;
    if (!r.IsEmpty())
        scene.CopyRect(r, kept_, RectXYWH(0, 0, r.Width(), r.Height()));
    rect_ = {};
    return r;
}
