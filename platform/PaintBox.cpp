// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paint boxes leave all drawing to their handler.
#include "platform/PaintBox.h"

void TPaintBox::Paint(TCanvas&)
{
    if (OnPaint)
        OnPaint();
}
