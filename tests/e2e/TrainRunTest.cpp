// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train game started from the main menu of the real program, headless,
// on the generated data tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/MainMenuLayout.h"
#include "core/SoundCodes.h"
#include "games/train/CPocRegal.h"
#include "games/train/CPocWagon.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "screens/FormKoniecGry.h"
#include "tests/TestSupport.h"
#include "tests/e2e/JournalRows.h"
#include "tests/e2e/ProgramRig.h"

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

// The train as the summary found it: what each wagon still held, where its
// pictures are taken and lifted clear, where each sound's box takes them,
// and what the statistics held.
struct TrainSeen {
    struct Wagon {
        TPoint grip, clear;              // on the screen
        std::vector<std::string> keys;   // bottom first
        std::vector<int32_t> flags;
    };
    std::array<Wagon, TFormPociag::kWagonCount> wagons;
    std::map<int32_t, TPoint> boxes;     // a practised sound's box label, on the screen
    SystemTime start;
    int32_t correct = 0, wrong = 0, hints = 0;
    int16_t gloski = 0, pozycja = 0;
};

void NoteTrainSummaries(std::vector<TrainSeen>& out)
{
    auto previous = FormKoniecGry->OnShow;
    FormKoniecGry->OnShow = [&out, previous] {
        const TFormPociag& f = *FormPociag;
        TrainSeen seen;
        for (int i = 0; i < TFormPociag::kWagonCount; ++i) {
            const CPocWagon& w = f.Wagon(i);
            TrainSeen::Wagon& copy = seen.wagons[static_cast<std::size_t>(i)];
            const int gx = w.X() + f.PictureWidth() / 2;
            copy.grip = f.pbGame.ClientToScreen({gx, w.Y() + f.PictureHeight() / 2});
            copy.clear = f.pbGame.ClientToScreen({gx, w.Clearance() - f.PictureHeight() / 2 - 5});
            for (const CSlowa::SPaczka* word : w.Words()) {
                copy.keys.push_back(word->Key);
                copy.flags.push_back(word->Flags);
            }
        }
        for (int k = 0; k < CPocRegal::kBoxCount; ++k)
            if (const CPocPudlo& box = f.Regal().Box(k); box.Active)
                seen.boxes[box.Key] = f.pbGame.ClientToScreen(box.LabelPoint());
        seen.start = StatRec->StartTime;
        seen.correct = StatRec->Correct;
        seen.wrong = StatRec->Wrong;
        seen.hints = StatRec->Hints;
        seen.gloski = UstPociag.Gloski;
        seen.pozycja = UstPociag.Pozycja;
        out.push_back(seen);
        if (previous)
            previous();
    };
}

// The menu with S added to the default SZ, the train started.
std::string OpenTrainWithTwoSounds()
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    return "expect form FormMain\nclick " + Point(l.sounds[4].x + 8, l.sounds[4].y + 8) + "\nclick " +
           Point(l.start.x + 8, l.start.y + 8) + "\nexpect form FormPociag\n";
}

// The stop button, then "back to the menu" on the summary, and out.
std::string StopAndLeave()
{
    const int sx = (1024 - TFormKoniecGry::kWidth) / 2, sy = (768 - TFormKoniecGry::kHeight) / 2;
    return "click " + Point(950 + 30, 20 + 30) + "\nexpect form FormKoniecGry\nclick " +
           Point(sx + 325 + 30, sy + 340 + 30) + "\nexpect form FormMain\nkey Escape\n";
}

// The top picture of a wagon lifted clear and let go over a box's label.
std::string Carry(const TrainSeen::Wagon& w, TPoint label)
{
    return "press " + Point(w.grip.x, w.grip.y) + " left\nmove " + Point(w.clear.x, w.clear.y) + "\nmove " +
           Point(label.x, label.y) + "\nrelease " + Point(label.x, label.y) + " left\n";
}

}  // namespace

TEST(TrainFromTheMenu, RightWrongAndHintAnswersThenAStopAreJournalledAsPlayed)
{
    constexpr uint64_t kSeed = 4711;
    std::vector<TrainSeen> probe;
    {
        ProgramRig rig(1024, 768, OpenTrainWithTwoSounds() + "wait 100\n" + StopAndLeave(), kSeed);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        NoteTrainSummaries(probe);
        ASSERT_EQ(rig.Run(), 0);
    }
    ASSERT_EQ(probe.size(), 1u);
    const TrainSeen& deal = probe[0];
    ASSERT_EQ(deal.boxes.size(), 2u);
    for (const TrainSeen::Wagon& w : deal.wagons)
        ASSERT_EQ(w.keys.size(), 2u);  // eight pictures, two a wagon
    const auto sound = [](int32_t flags) { return flags & GL_WSZYSTKIE; };
    const auto top = [&](int wagon, int fromTop) {
        const TrainSeen::Wagon& w = deal.wagons[static_cast<std::size_t>(wagon)];
        return w.flags[w.flags.size() - 1 - static_cast<std::size_t>(fromTop)];
    };
    const auto rightBox = [&](int32_t flags) { return deal.boxes.at(sound(flags)); };
    const auto wrongBox = [&](int32_t flags) {
        for (const auto& [key, label] : deal.boxes)
            if (key != sound(flags))
                return label;
        return TPoint{};
    };

    // Wagon 1's picture into the wrong box, a hint, then into its own box;
    // wagon 2's into its own; wagon 3's wrong, then right; then the stop.
    // The waits are what the child took before each answer, at least.
    const std::vector<int> waits = {600, 1300, 400, 800, 300};
    const std::string play =
        OpenTrainWithTwoSounds() + "wait 600\n" + Carry(deal.wagons[0], wrongBox(top(0, 0))) + "wait 500\nclick " +
        Point(947 + 30, 100 + 30) + "\nwait 800\n" + Carry(deal.wagons[0], rightBox(top(0, 0))) + "wait 400\n" +
        Carry(deal.wagons[1], rightBox(top(1, 0))) + "wait 800\n" + Carry(deal.wagons[2], wrongBox(top(2, 0))) +
        "wait 300\n" + Carry(deal.wagons[2], rightBox(top(2, 0))) + "wait 1000\n" + StopAndLeave();
    std::vector<TrainSeen> shown;
    ProgramRig rig(1024, 768, play, kSeed);
    ASSERT_TRUE(rig.Ready());
    NoteTrainSummaries(shown);
    ASSERT_EQ(rig.Run(), 0);
    ASSERT_EQ(shown.size(), 1u);
    const TrainSeen& end = shown[0];
    EXPECT_EQ(end.correct, 3);
    EXPECT_EQ(end.wrong, 2 + 5);  // the five pictures left count wrong in the file
    EXPECT_EQ(end.hints, 1);

    const std::vector<JournalAnswer> rows = JournalRows(rig.Dir().Path());
    ASSERT_EQ(rows, RowsOfGame(rows, 1, end.start));
    ASSERT_EQ(Outcomes(rows), "WHRRWRUUUUU");
    const auto key = [&](int wagon, int fromTop) {
        const TrainSeen::Wagon& w = deal.wagons[static_cast<std::size_t>(wagon)];
        return w.keys[w.keys.size() - 1 - static_cast<std::size_t>(fromTop)];
    };
    const std::vector<std::string> keys = WordKeys(rows);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 6),
              (std::vector<std::string>{key(0, 0), key(0, 0), key(0, 0), key(1, 0), key(2, 0), key(2, 0)}));
    // The pictures left are the ones the wagons still held.
    std::vector<std::string> left(keys.begin() + 6, keys.end()), held;
    for (const TrainSeen::Wagon& w : end.wagons)
        held.insert(held.end(), w.keys.begin(), w.keys.end());
    std::sort(left.begin(), left.end());
    std::sort(held.begin(), held.end());
    EXPECT_EQ(left, held);
    std::map<std::string, int32_t> flagsOf;
    for (const TrainSeen::Wagon& w : deal.wagons)
        for (std::size_t k = 0; k < w.keys.size(); ++k)
            flagsOf[w.keys[k]] = w.flags[k];
    for (const JournalAnswer& a : rows) {
        EXPECT_EQ(a.sound, flagsOf.at(a.wordKey) & GL_WSZYSTKIE) << a.wordKey;
        EXPECT_EQ(a.position, flagsOf.at(a.wordKey) & POZ_WSZYSTKIE) << a.wordKey;
        EXPECT_FALSE(a.wordText.empty()) << a.wordKey;
    }
    EXPECT_EQ(GameRowsProblem(rows, end.gloski, end.pozycja), "");
    EXPECT_EQ(JournalAgainstStatistics(rig.Dir().Path()), "");

    // Each judged answer took at least the wait before it, and no more than
    // that and the game's own movements (a glide back, a shake, a closing,
    // stars); the hint came after the wait before it and its blinks end
    // before the next wait starts.
    std::vector<int32_t> took;
    for (const JournalAnswer& a : rows)
        if (a.outcome == AnswerOutcome::Right || a.outcome == AnswerOutcome::Wrong)
            took.push_back(a.tookMs);
    ASSERT_EQ(took.size(), waits.size());
    for (std::size_t k = 0; k < waits.size(); ++k) {
        EXPECT_GE(took[k], waits[k]) << "answer " << k;
        if (k != 1) {
            EXPECT_LE(took[k], waits[k] + 3000) << "answer " << k;
        }
    }
    EXPECT_GE(rows[1].atMs - rows[0].atMs, 500);
    EXPECT_LE(rows[1].atMs - rows[0].atMs, 500 + 3000);
    EXPECT_GE(rows[2].atMs - rows[1].atMs, 800);
    EXPECT_EQ(rows[1].tookMs, rows[1].atMs - rows[0].atMs);  // a hint counts from the answer before it
    EXPECT_GE(rows.back().atMs - rows.front().gameStartedMs, 600 + 1300 + 400 + 800 + 300 + 1000);
}

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
