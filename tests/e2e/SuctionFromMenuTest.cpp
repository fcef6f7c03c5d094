// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups game as a child meets it: opened from the main menu, its
// three boards played out of order by dragging plates with the mouse, to the
// summary; then a new game stopped at once. Both end up in the statistics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SoundCodes.h"
#include "tests/e2e/JournalRows.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/e2e/SuctionScript.h"

namespace {

using Button = BoardSwitch::Button;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint64_t kSeed = 4242;
const std::string kOpening = SuctionScript::kOpening;

std::string Le(uint64_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string Record(const SuctionSummary& s)
{
    std::string time;
    for (uint16_t v : {s.start.year, s.start.month, s.start.dayOfWeek, s.start.day, s.start.hour, s.start.minute,
                       s.start.second, s.start.milliseconds})
        time += Le(v, 2);
    // The game's default exercise: few words of SZ at the start of the word.
    return Le(2, 4) + time + Le(1, 2) + Le(GL_SZ, 2) + Le(POZ_NAGLOS, 2) + Le(static_cast<uint32_t>(s.duration), 4) +
           Le(static_cast<uint16_t>(s.completed), 2) + Le(static_cast<uint32_t>(s.hints), 4) +
           Le(static_cast<uint32_t>(s.correct), 4) + Le(static_cast<uint32_t>(s.wrong), 4);
}

// Runs a script from the menu and returns the summaries it met; false from
// ran when there is no generated tree.
std::vector<SuctionSummary> RunScript(const std::string& script, bool& ran, std::string* statistics = nullptr,
                                      std::vector<JournalAnswer>* journal = nullptr)
{
    std::vector<SuctionSummary> shown;
    ProgramRig rig(kWidth, kHeight, script, kSeed);
    ran = rig.Ready();
    if (!ran)
        return shown;
    NoteSuctionSummaries(shown);
    EXPECT_EQ(rig.Run(), 0);
    if (statistics != nullptr)
        *statistics = rig.Dir().Read("prgst6.stt");
    if (journal != nullptr)
        *journal = JournalRows(rig.Dir().Path());
    return shown;
}

// A first run that stops the game once its first board stands, to learn
// the deal every run gives; empty when there is no generated tree.
std::vector<SuctionSummary> Probe(const SuctionScript& s, bool& ran)
{
    return RunScript(s.Open() + kOpening + s.Press(Button::Stop) + s.SummaryLeave() + "key Escape\n", ran);
}

}  // namespace

TEST(SuctionFromTheMenu, ThreeBoardsOutOfOrderToTheEndThenAGameStoppedEarly)
{
    const SuctionScript s(kWidth, kHeight);
    // A first run learns the deal: the game is stopped once its board stands.
    bool ran = false;
    const std::vector<SuctionSummary> probe = Probe(s, ran);
    if (!ran)
        GTEST_SKIP() << "no generated data tree beside the program";
    ASSERT_EQ(probe.size(), 1u);
    ASSERT_EQ(probe[0].boards.size(), 3u);
    EXPECT_EQ(probe[0].wrong, 15);
    const std::vector<SuctionDeal>& deal = probe[0].boards;

    // Board 0: a wrong drop twice, a drop beside every screen, a hint, two
    // right plates; then boards 1 and 2 whole; back to board 0 for the rest.
    const SuctionDeal& first = deal[0];
    const TPoint home = first.homes[static_cast<std::size_t>(SuctionScript::PlateFor(first, first.screenKeys[0]))];
    std::string play = s.Open() + kOpening;
    play += s.Drag(home, first.docks[1]) + s.Drag(home, first.docks[1]) + s.Drag(home, {700, 60});
    play += s.Press(Button::Pomoc) + "wait 500\n";
    play += s.Place(first, {0, 3});
    play += s.Press(Button::Dalej) + kOpening + s.Place(deal[1], {4, 2, 0, 1, 3});
    play += s.Press(Button::Dalej) + kOpening + s.Place(deal[2], {1, 0, 2, 4, 3});
    play += s.Press(Button::Wstecz) + s.Press(Button::Wstecz);
    play += s.Place(first, {2, 1, 4});
    // The summary came with the last plate; a new game is stopped at once.
    play += s.SummaryAgain() + kOpening + s.Press(Button::Stop) + s.SummaryLeave() + "key Escape\n";

    std::string file;
    std::vector<JournalAnswer> rows;
    const std::vector<SuctionSummary> shown = RunScript(play, ran, &file, &rows);
    ASSERT_EQ(shown.size(), 2u);
    ASSERT_EQ(shown[0].boards.size(), 3u);
    for (std::size_t b = 0; b < 3; ++b) {
        EXPECT_EQ(shown[0].boards[b].plateKeys, deal[b].plateKeys);
        EXPECT_EQ(shown[0].unplaced[b], 0) << "board " << b;
    }
    EXPECT_EQ(shown[0].currentBoard, 0);
    EXPECT_EQ(shown[0].completed, 1);
    EXPECT_EQ(shown[0].correct, 15);
    EXPECT_EQ(shown[0].wrong, 2);
    EXPECT_EQ(shown[0].hints, 1);
    EXPECT_EQ(shown[1].completed, 0);
    EXPECT_EQ(shown[1].correct, 0);
    EXPECT_EQ(shown[1].wrong, 15);

    ASSERT_EQ(file.size(), 20u + 2 * 44u);
    for (std::size_t game = 0; game < 2; ++game)
        EXPECT_EQ(file.substr(20 + 44 * game, 44), Record(shown[game])) << "game " << game;

    // The journal: the tried plate twice onto the wrong screen (a drop beside
    // every screen is no answer), the hint about it, then each plate onto its
    // screen in the order placed; the new game's fifteen plates left unsolved.
    const std::vector<JournalAnswer> played = RowsOfGame(rows, 2, shown[0].start), left = RowsOfGame(rows, 2, shown[1].start);
    EXPECT_EQ(rows.size(), played.size() + left.size());
    EXPECT_EQ(Outcomes(played), "WWH" + std::string(15, 'R'));
    std::vector<std::string> keys(3, first.screenKeys[0]);
    for (const auto& [board, order] : {std::pair{0, std::vector{0, 3}}, {1, {4, 2, 0, 1, 3}}, {2, {1, 0, 2, 4, 3}},
                                       {0, {2, 1, 4}}})
        for (int screen : order)
            keys.push_back(deal[static_cast<std::size_t>(board)].screenKeys[static_cast<std::size_t>(screen)]);
    EXPECT_EQ(WordKeys(played), keys);
    EXPECT_EQ(Outcomes(left), std::string(15, 'U'));
    EXPECT_EQ(GameRowsProblem(played, GL_SZ, POZ_NAGLOS), "");
    EXPECT_EQ(GameRowsProblem(left, GL_SZ, POZ_NAGLOS), "");
}

TEST(SuctionFromTheMenu, OpeningIgnoresInputHintsAreRefusedForAWhileAndFollowTheTriedPlate)
{
    const SuctionScript s(kWidth, kHeight);
    const std::string stop = s.Press(Button::Stop);
    const std::string leave = s.SummaryLeave() + "key Escape\n";
    bool ran = false;
    const std::vector<SuctionSummary> probe = Probe(s, ran);
    if (!ran)
        GTEST_SKIP() << "no generated data tree beside the program";
    ASSERT_EQ(probe.size(), 1u);
    // Every run deals the same first board; later games depend on what the
    // hints and sounds drew from the random generator, so each case is a run.
    const SuctionDeal& d = probe[0].boards[0];
    const int plate = SuctionScript::PlateFor(d, d.screenKeys[2]);
    const TPoint home = d.homes[static_cast<std::size_t>(plate)];

    // During the opening a hint, "dalej" and a right drag do nothing.
    std::string play = s.Open() + "wait 300\n" + s.Press(Button::Pomoc) + s.Press(Button::Dalej) +
                       s.Drag(home, d.docks[2]) + kOpening;
    // Two hints in a row: the second comes within 400 ms of the first's end;
    // half a second later a third is given.
    play += s.Press(Button::Pomoc) + s.Press(Button::Pomoc) + "wait 500\n" + s.Press(Button::Pomoc);
    // A wrong drop: the plate tried is the one a hint shows next.
    play += s.Drag(home, d.docks[3]) + stop + leave;
    std::vector<SuctionSummary> shown = RunScript(play, ran);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].currentBoard, 0);
    EXPECT_EQ(shown[0].unplaced[0], 5);
    EXPECT_EQ(shown[0].hints, 2);
    EXPECT_EQ(shown[0].correct, 0);
    EXPECT_EQ(shown[0].wrong, 1 + 15);
    EXPECT_EQ(shown[0].lastTouched, plate);

    // A wrong drop, then a right one of another plate: no plate is remembered
    // and a hint would draw one of the unplaced ones.
    const int rightPlate = SuctionScript::PlateFor(d, d.screenKeys[1]);
    play = s.Open() + kOpening + s.Drag(home, d.docks[4]) +
           s.Drag(d.homes[static_cast<std::size_t>(rightPlate)], d.docks[1]) + stop + leave;
    shown = RunScript(play, ran);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].correct, 1);
    EXPECT_EQ(shown[0].wrong, 1 + 14);
    EXPECT_EQ(shown[0].unplaced[0], 4);
    EXPECT_EQ(shown[0].lastTouched, -1);
}

TEST(SuctionFromTheMenu, AClickGivenWhileAPlateIsDroppedWaitsUntilThePlateIsJudged)
{
    const SuctionScript s(kWidth, kHeight);
    bool ran = false;
    const std::vector<SuctionSummary> probe = Probe(s, ran);
    if (!ran)
        GTEST_SKIP() << "no generated data tree beside the program";
    const SuctionDeal& d = probe[0].boards[0];
    const std::string stop = s.Press(Button::Stop), leave = s.SummaryLeave() + "key Escape\n";
    // A right plate, and at once (as a child clicks during the praise)
    // "stop"; "stop" and the summary's "start"; "dalej".
    const std::string right = s.Open() + kOpening + s.Place(d, {0});
    const std::string afterwards[] = {stop + leave, stop + s.SummaryAgain() + kOpening + stop + leave,
                                      s.Press(Button::Dalej) + kOpening + stop + leave};
    for (const std::string& next : afterwards) {
        const std::vector<SuctionSummary> shown = RunScript(right + next, ran);
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown[0].correct, 1);
        EXPECT_EQ(shown[0].wrong, 14);
        EXPECT_EQ(shown[0].unplaced[0], 4);
    }
}
