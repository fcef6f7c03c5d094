// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data the message box and the summary load, written into a test tree.
#pragma once

#include "tests/controls/ControlsTestSupport.h"

constexpr TColor kMessageBackground = RGB(250, 230, 150);
constexpr TColor kPoorColour = RGB(220, 60, 60);
constexpr TColor kMiddlingColour = RGB(230, 200, 40);
constexpr TColor kGoodColour = RGB(60, 180, 80);

// "Data\Intf\Spec\mKom_kp.xji" and the "stop" button.
void WriteMessageBoxData(const TempDir& dir);
// The three rating pictures and the "start" and "stop" buttons.
void WriteSummaryData(const TempDir& dir);
