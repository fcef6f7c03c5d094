// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Text.h"

TEST(Cp1250Literal, TurnsPolishLettersIntoSingleBytes)
{
    const std::string s = "Błąd źdźbło Żółw"_cp;
    EXPECT_EQ(s, "B\xB3\xB9" "d \x9F" "d\x9F" "b\xB3o \xAF\xF3\xB3w");
    EXPECT_STREQ("\u2013"_cp, "\x96");
}

TEST(Cp1250Conversion, RoundTripsEveryAssignedByte)
{
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = Cp1250ToUtf8(one);
        if (utf8 == "\xEF\xBF\xBD")  // unassigned in cp1250
            continue;
        EXPECT_EQ(Utf8ToCp1250(utf8), one) << "byte " << b;
    }
}

TEST(Cp1250Conversion, ReplacesForeignCharactersAndSkipsBrokenSequences)
{
    EXPECT_EQ(Utf8ToCp1250("a\xE4\xB8\xAD" "b"), "a?b");   // a CJK character
    EXPECT_EQ(Utf8ToCp1250("a\xC5"), "a");                // cut-off sequence
    EXPECT_EQ(Utf8ToCp1250("\x80x"), "x");                 // stray continuation byte
    EXPECT_EQ(Cp1250ToUtf8("zażółć"_cp), "zażółć");
}

TEST(Cp1250Compare, IgnoresCaseOfPolishLetters)
{
    EXPECT_TRUE(EqualsNoCase("ŻÓŁW.XBI"_cp, "żółw.xbi"_cp));
    EXPECT_FALSE(EqualsNoCase("zolw"_cp, "żółw"_cp));
}
