// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/screens/ScreensTestSupport.h"

void WriteMessageBoxData(const TempDir& dir)
{
    WriteJpegPicture(dir, "Data/Intf/Spec/mKom_kp.xji", 420, 250, kMessageBackground);
    WriteButtonPictures(dir, "stop", 60, 40);
}

void WriteSummaryData(const TempDir& dir)
{
    WriteJpegPicture(dir, "Data/Intf/Spec/mStatsB.xji", 600, 450, kPoorColour);
    WriteJpegPicture(dir, "Data/Intf/Spec/mStatsM.xji", 600, 450, kMiddlingColour);
    WriteJpegPicture(dir, "Data/Intf/Spec/mStatsG.xji", 600, 450, kGoodColour);
    WriteButtonPictures(dir, "start", 60, 40);
    WriteButtonPictures(dir, "stop", 60, 40);
}
