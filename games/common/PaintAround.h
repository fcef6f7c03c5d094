// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screens fill the whole screen, the game's picture a centred area
// of it; what lies around that area is painted black.
#pragma once

#include "platform/Canvas.h"

// Paints black the parts of a width x height canvas outside area.
void PaintBlackAround(TCanvas& canvas, const TRect& area, int width, int height);
