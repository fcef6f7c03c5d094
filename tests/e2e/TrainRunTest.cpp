// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train game started from the main menu of the real program, headless,
// on the generated data tree.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "core/CStatRec.h"
#include "core/MainMenuLayout.h"
#include "core/SoundCodes.h"
#include "graphics/CDisplay.h"
#include "screens/FormKoniecGry.h"
#include "tests/TestSupport.h"
#include "tests/e2e/JournalRows.h"

namespace fs = std::filesystem;

namespace {

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

template <class T>
T ValueAt(const std::string& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

}  // namespace

TEST(TrainRun, StoppedTwiceFromTheMenuWithANewGameBetween)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir root, work;
    if (!LinkGeneratedTree(root.Path()))
        GTEST_SKIP() << "no generated data tree beside the program";

    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    // The summary is centred on the full-screen menu; its buttons sit at
    // (235, 340) and (325, 340), the train's stop button at (950, 20).
    const int sx = (1024 - TFormKoniecGry::kWidth) / 2, sy = (768 - TFormKoniecGry::kHeight) / 2;
    const std::string trainStop = Point(950 + 30, 20 + 30);
    work.Write("script.txt", "expect form FormMain\n"
                             "click " + Point(l.start.x + 8, l.start.y + 8) + "\n"
                             "expect form FormPociag\n"
                             "wait 2500\n"
                             "click " + trainStop + "\n"
                             "expect form FormKoniecGry\n"
                             "click " + Point(sx + 235 + 30, sy + 340 + 30) + "\n"
                             "expect form FormPociag\n"
                             "click " + trainStop + "\n"
                             "expect form FormKoniecGry\n"
                             "click " + Point(sx + 325 + 30, sy + 340 + 30) + "\n"
                             "expect form FormMain\n"
                             "key Escape\n");
    const ProgramResult r = RunProgram("--headless --seed 7 --screen 1024x768 --root '" + root.Path().string() +
                                           "' --script '" + (work.Path() / "script.txt").string() + "'",
                                       work.Path());
    ASSERT_EQ(r.status, 0) << r.errors;

    // Two games of 8 pictures, none sorted: each saved as not complete with 8 wrong.
    const std::string stats = root.Read("prgst6.stt");
    ASSERT_EQ(stats.size(), CStatRec::kHeaderSize + 2 * CStatRec::kRecordSize);
    for (int k = 0; k < 2; ++k) {
        const std::size_t at = CStatRec::kHeaderSize + static_cast<std::size_t>(k) * CStatRec::kRecordSize;
        EXPECT_EQ(ValueAt<int32_t>(stats, at), 1);
        EXPECT_EQ(ValueAt<int16_t>(stats, at + 20), 1);        // few
        EXPECT_EQ(ValueAt<int16_t>(stats, at + 22), 0x001);    // SZ, the default
        EXPECT_EQ(ValueAt<int16_t>(stats, at + 30), 0);        // not complete
        EXPECT_EQ(ValueAt<int32_t>(stats, at + 36), 0);
        EXPECT_EQ(ValueAt<int32_t>(stats, at + 40), 8);
    }
    EXPECT_EQ(ValueAt<int32_t>(stats, CStatRec::kHeaderSize + 26), 2);  // the first game lasted 2.5 s

    // The journal: each game's eight pictures left unsolved at its stop.
    std::map<int64_t, std::vector<JournalAnswer>> games;
    for (const JournalAnswer& a : JournalRows(root.Path()))
        games[a.gameStartedMs].push_back(a);
    ASSERT_EQ(games.size(), 2u);
    for (const auto& [start, rows] : games) {
        EXPECT_EQ(Outcomes(rows), std::string(8, 'U'));
        EXPECT_EQ(rows[0].game, 1);
        const std::vector<std::string> keys = WordKeys(rows);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 8u);
        EXPECT_EQ(GameRowsProblem(rows, GL_SZ, ValueAt<int16_t>(stats, CStatRec::kHeaderSize + 24)), "");
    }
}
