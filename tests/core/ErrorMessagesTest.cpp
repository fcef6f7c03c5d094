// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/CBlad.h"
#include "core/ErrorMessages.h"
#include "platform/Text.h"
#include "tests/core/CoreTestSupport.h"

TEST(ShowError, ShowsTheCodesMessageUnderTheErrorTitle)
{
    CapturedMessages messages;
    ShowError(CBlad(1));
    ShowError(CBlad(5));
    ShowError(CBlad(99, "Wolny tekst"));
    ShowFatalError();
    ASSERT_EQ(messages.Shown().size(), 4u);
    for (const auto& m : messages.Shown())
        EXPECT_EQ(m.title, "Szeptaczki Cz.VI - Błąd"_cp);
    EXPECT_EQ(messages.Shown()[0].text, "          Brak zasobów !\n\nProszę przeinstalować program."_cp);
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.Shown()[1].text, "");
    EXPECT_EQ(messages.Shown()[2].text, "Wolny tekst");
    EXPECT_EQ(messages.Shown()[3].text, "Wystąpił błąd krytyczny aplikacji!"_cp);
    EXPECT_EQ(messages.Shown()[3].icon, MessageIcon::Error);
}
