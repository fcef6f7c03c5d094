// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/common/PaintAround.h"

void PaintBlackAround(TCanvas& canvas, const TRect& area, int width, int height)
{
    canvas.Brush.Color = clBlack;
    canvas.FillRect({0, 0, width, area.top});
    canvas.FillRect({0, area.bottom, width, height});
    canvas.FillRect({0, area.top, area.left, area.bottom});
    canvas.FillRect({area.right, area.top, width, area.bottom});
}
