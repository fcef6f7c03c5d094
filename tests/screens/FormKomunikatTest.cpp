// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/CPrzyciskP.h"
#include "core/CBlad.h"
#include "platform/Text.h"
#include "platform/TextRenderer.h"
#include "screens/FormKomunikat.h"
#include "tests/screens/ScreensTestSupport.h"

TEST(FormKomunikat, EveryNumberOfTheTableHasItsTextAndAnyOtherReadsError)
{
    HeadlessRig rig(800, 600);
    WriteMessageBoxData(rig.Dir());
    PlainForm main(rig.App(), "FormMain", 800, 600);
    TFormKomunikat box(rig.App());
    EXPECT_EQ(FormKomunikat, &box);

    const std::pair<int, const char*> table[] = {
        {1, "Proszę wybrać większą liczbę głosek."_cp},
        {2, "Proszę wybrać większą liczbę pozycji głosek."_cp},
        {3, "Proszę wybrać większą liczbę głosek lub pozycji."_cp},
        {10, "Proszę wybrać pozycję i wprowadzić nazwę nagrania."_cp},
        {11, "Proszę wprowadzić nazwę dla nagrania."_cp},
        {12, "Nagranie nie zostało zapisane. Sprawdź, czy na dysku jest wolne miejsce."_cp},
        {20, "Proszę wybrać pozycję do odtworzenia."_cp},
        {21, "Brak nagrania dla wybranej pozycji."_cp},
    };
    for (const auto& [number, text] : table) {
        box.SetMessage(number);
        EXPECT_EQ(box.MessageNumber(), number);
        EXPECT_EQ(box.Text(), text) << number;
    }
    for (int number : {0, 4, 9, 26, -3, 1000}) {
        box.SetMessage(number);
        EXPECT_EQ(box.Text(), "Błąd."_cp) << number;
    }
}

TEST(FormKomunikat, ClosesOnlyThroughItsStopButtonAndIsDraggedByItsText)
{
    // Centred on the 800 x 600 main form the box is at (190, 175); its text
    // spans (208, 234)-(593, 360) and its "stop" button (370, 325)-(430, 365).
    HeadlessRig rig(800, 600,
                    "key Escape\n"
                    "click 400 200\n"
                    "expect form FormKomunikat\n"
                    "press 300 250\n"
                    "move 320 280\n"
                    "release 320 280\n"
                    "click 420 375\n"
                    "wait 10\n");
    WriteMessageBoxData(rig.Dir());
    PlainForm main(rig.App(), "FormMain", 800, 600);
    TFormKomunikat box(rig.App());
    main.Show();
    box.SetMessage(3);
    EXPECT_EQ(box.StopButton().BoundsRect(), RectXYWH(180, 150, 60, 40));

    box.ShowModal();
    EXPECT_FALSE(rig.App().Terminated());  // closed before the script ran out
    EXPECT_EQ(rig.App().ExitCode(), 0);
    EXPECT_EQ(box.Left(), 210);
    EXPECT_EQ(box.Top(), 205);
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(rig.App().TopmostForm(), &main);
}

TEST(FormKomunikat, ShowsItsPictureWithTheTextOverItInsideTheRoundedWindow)
{
    HeadlessRig rig(800, 600);
    WriteMessageBoxData(rig.Dir());
    PlainForm main(rig.App(), "FormMain", 800, 600);
    main.Show();
    TFormKomunikat box(rig.App());
    box.SetMessage(3);
    box.Show();
    const Bitmap& screen = rig.App().Screen();
    EXPECT_TRUE(Near(screen.GetPixel(190 + 10, 175 + 30), kMessageBackground));
    // The very corner lies outside the rounded window: the main form shows there.
    EXPECT_EQ(screen.GetPixel(190, 175), main.Background.GetPixel(190, 175));
    int dark = 0;
    for (int x = 208; x < 593; ++x)
        for (int y = 234; y < 325; ++y)
            dark += GetRValue(screen.GetPixel(x, y)) < 80 ? 1 : 0;
    EXPECT_GT(dark, 100);  // the text, above the button
}

TEST(FormKomunikat, AMissingOrDamagedBackgroundIsErrorOne)
{
    HeadlessRig rig(800, 600);
    WriteButtonPictures(rig.Dir(), "stop", 60, 40);
    PlainForm main(rig.App(), "FormMain", 800, 600);
    for (bool damaged : {false, true}) {
        if (damaged)
            rig.Dir().Write("Data/Intf/Spec/mKom_kp.xji", "no JPEG here");
        try {
            TFormKomunikat box(rig.App());
            ADD_FAILURE() << "made without a background";
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code, 1);
        }
        EXPECT_EQ(FormKomunikat, nullptr);
    }
}

TEST(FormKomunikat, TheTextStandsInTheMiddleOfItsFieldWhateverItsLength)
{
    HeadlessRig rig(800, 600);
    WriteMessageBoxData(rig.Dir());
    PlainForm main(rig.App(), "FormMain", 800, 600);
    main.Show();
    TFormKomunikat box(rig.App());
    box.Show();
    // The light sheet of the picture spans rows 58..146 of the box; the ink
    // of every message, one line or two, is centred on it (the box is at
    // (190, 175)).
    int lineCounts = 0;
    for (int number : {21, 3, 10, 99}) {
        box.SetMessage(number);
        box.Repaint();
        int first = -1, last = -1;
        for (int y = 59; y < 150; ++y)
            for (int x = 18; x < 18 + 385; ++x)
                if (GetRValue(rig.App().Screen().GetPixel(190 + x, 175 + y)) < 80) {
                    if (first < 0)
                        first = y;
                    last = y;
                }
        ASSERT_GE(first, 0) << number;
        EXPECT_NEAR((first + last) / 2.0, 102, 5) << number;
        lineCounts |= 1 << (box.vL_Komunikat.Height() / TextRenderer::LineHeight(box.vL_Komunikat.Font()));
    }
    EXPECT_EQ(lineCounts & 0b110, 0b110);  // both a one-line and a two-line message were seen
}
