// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forklift game as a child meets it: opened from the main menu, played
// with the arrow keys through its three boards to the summary, started
// again and stopped early; both games end up in the statistics file. A
// first run learns the deal; the keys of the real run are worked out on a
// copy of the boards with the truck's own rules, frame by frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/CUstGry.h"
#include "core/MainMenuLayout.h"
#include "games/common/BoardSwitch.h"
#include "games/forklift/FormWidlak.h"
#include "graphics/CDisplay.h"
#include "tests/e2e/JournalRows.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/games/forklift/ForkliftRobot.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint64_t kSeed = 614;

std::string Click(TPoint p) { return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n"; }

std::string Le(uint64_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string OpenForklift()
{
    const CDisplay display(kWidth, kHeight);
    const SMainMenuLayout l = MainMenuLayout(display);
    return Click({l.tabStrip.x + 100, l.tabStrip.y + display.ConvertFromModeRounded(4, 340)}) +
           Click({l.start.x + 20, l.start.y + 20}) + "expect form FormWidlak\n";
}

std::string StopButton()
{
    const TPoint p = BoardSwitch::ButtonPosition(CDisplay(kWidth, kHeight), BoardSwitch::Button::Stop);
    return Click({p.x + 30, p.y + 30});
}

TPoint SummaryButton(int left)
{
    return {(kWidth - TFormKoniecGry::kWidth) / 2 + left + 30, (kHeight - TFormKoniecGry::kHeight) / 2 + 340 + 20};
}

// A slot as the first run saw it.
struct SlotCopy {
    int x, shelfY, width;
    bool hasBox;
    CWidPudlo::Kind kind;
    int boxWidth, boxPictureHeight, boxHeight;
    std::string word;  // the slot's word
};
struct BoardCopy {
    std::vector<SlotCopy> left, right;
};

std::vector<SlotCopy> CopyRack(const CWidRegal& rack)
{
    std::vector<SlotCopy> out;
    for (const auto& slot : rack.Slots()) {
        const CWidPudlo* box = slot->Box();
        out.push_back({slot->X(), slot->ShelfY(), slot->Width(), box != nullptr,
                       box != nullptr ? box->BoxKind() : CWidPudlo::Kind::Text, box != nullptr ? box->Width() : 0,
                       box != nullptr ? box->PictureHeight() : 0, box != nullptr ? box->Height() : 0,
                       slot->Word()->Key});
    }
    return out;
}

// What the statistics held when a summary came up.
struct Record {
    int32_t correct = 0, wrong = 0, hints = 0, duration = 0;
    int16_t completed = 0, poziom = 0, gloski = 0, pozycja = 0;
    SystemTime start;
};

void NoteSummaries(std::vector<Record>& records, std::vector<BoardCopy>* deal)
{
    auto previous = FormKoniecGry->OnShow;
    FormKoniecGry->OnShow = [&records, deal, previous] {
        if (deal != nullptr && deal->empty())
            for (int b = 0; b < FormWidlak->BoardCount(); ++b)
                deal->push_back({CopyRack(FormWidlak->Board(b).LeftRack()), CopyRack(FormWidlak->Board(b).RightRack())});
        records.push_back({StatRec->Correct, StatRec->Wrong, StatRec->Hints, StatRec->Duration, StatRec->Completed,
                           UstWidlak.Poziom, UstWidlak.Gloski, UstWidlak.Pozycja, StatRec->StartTime});
        if (previous)
            previous();
    };
}

// The deal rebuilt with the truck's rules, and the keys that carry every
// box home, as script lines.
class Planner {
public:
    explicit Planner(const std::vector<BoardCopy>& deal)
        : truck_(ForkliftMeasures::Of(CDisplay(kWidth, kHeight)))
    {
        for (const BoardCopy& copy : deal) {
            boards_.push_back(std::make_unique<CWidPlansza>(truck_));
            Fill(boards_.back()->LeftRack(), copy.left);
            Fill(boards_.back()->RightRack(), copy.right);
        }
    }

    std::string Play()
    {
        std::string script;
        boards_[0]->RestoreTruck();
        for (std::size_t b = 0; b < boards_.size(); ++b) {
            if (b > 0) {
                Flush(script);
                script += "key Space\n";
                boards_[b - 1]->SaveTruck();
                boards_[b]->RestoreTruck();
            }
            for (int k = 0; k < 5000; ++k) {
                const ForkliftKeys keys = NextKeys(truck_, *boards_[b]);
                if (!keys.Any())
                    break;
                Press(script, keys);
                delivered_ += StepTruck(truck_, keys) == CWidWozek::kRightDelivery ? 1 : 0;
                ++run_;
                if (delivered_ == Total())
                    break;
            }
        }
        Flush(script);
        Press(script, {});
        return script;
    }

    int Delivered() const { return delivered_; }
    int Total() const { return 4 * static_cast<int>(boards_.size()); }
    int Frames() const { return frames_; }

private:
    void Fill(CWidRegal& rack, const std::vector<SlotCopy>& slots)
    {
        for (const SlotCopy& s : slots) {
            CSlowa::SPaczka* word = &words_[s.word];
            word->Key = s.word;
            if (!s.hasBox) {
                rack.AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(rack, word, s.x, s.shelfY, s.width));
                continue;
            }
            auto picture = std::make_unique<Bitmap>(s.boxWidth, s.boxPictureHeight);
            masks_.push_back(std::make_unique<Bitmap>(s.boxWidth, s.boxPictureHeight, PixelFormat::Gray8));
            auto box = std::make_unique<CWidPudlo>(s.kind, word, s.kind == CWidPudlo::Kind::Picture, s.boxHeight,
                                                   masks_.back().get(), std::move(picture));
            rack.AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(rack, s.x, s.shelfY, std::move(box)));
        }
    }

    void Flush(std::string& script)
    {
        if (run_ > 0)
            script += "wait " + std::to_string(run_ * TFormWidlak::kFramePeriodMs) + "\n";
        frames_ += run_;
        run_ = 0;
    }

    void Press(std::string& script, ForkliftKeys keys)
    {
        if (keys == held_)
            return;
        Flush(script);
        const std::pair<bool ForkliftKeys::*, const char*> names[] = {
            {&ForkliftKeys::left, "Left"}, {&ForkliftKeys::right, "Right"}, {&ForkliftKeys::up, "Up"},
            {&ForkliftKeys::down, "Down"}};
        for (const auto& [flag, name] : names)
            if (keys.*flag != held_.*flag)
                script += std::string(keys.*flag ? "keydown " : "keyup ") + name + "\n";
        held_ = keys;
    }

    std::map<std::string, CSlowa::SPaczka> words_;
    std::vector<std::unique_ptr<Bitmap>> masks_;
    CWidWozek truck_;
    std::vector<std::unique_ptr<CWidPlansza>> boards_;
    ForkliftKeys held_;
    int run_ = 0;
    int frames_ = 0;
    int delivered_ = 0;
};

// From the summary: "start" for another game, which "stop" ends soon, then back to the menu.
std::string AgainStopAndLeave()
{
    return "expect form FormKoniecGry\n" + Click(SummaryButton(235)) + "expect form FormWidlak\nwait 400\n" +
           StopButton() + "expect form FormKoniecGry\n" + Click(SummaryButton(325)) + "expect form FormMain\n" +
           "key Escape\n";
}

}  // namespace

TEST(ForkliftFromTheMenu, ThreeBoardsPlayedWithTheKeysThenAGameStoppedEarlyBothRecorded)
{
    std::vector<BoardCopy> deal;
    {
        std::vector<Record> probe;
        ProgramRig rig(kWidth, kHeight, OpenForklift() + "wait 40\n" + StopButton() + AgainStopAndLeave(), kSeed);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        NoteSummaries(probe, &deal);
        ASSERT_EQ(rig.Run(), 0);
        ASSERT_EQ(probe.size(), 2u);
    }
    ASSERT_EQ(deal.size(), 3u);  // the default amount: few

    Planner planner(deal);
    const std::string keys = planner.Play();
    ASSERT_EQ(planner.Delivered(), 12);
    // The last box in, two seconds to the summary.
    const std::string script = OpenForklift() + keys + "wait 2100\n" + AgainStopAndLeave();

    std::vector<Record> shown;
    std::vector<BoardCopy> dealt;
    ProgramRig rig(kWidth, kHeight, script, kSeed);
    ASSERT_TRUE(rig.Ready());
    NoteSummaries(shown, &dealt);
    ASSERT_EQ(rig.Run(), 0);
    ASSERT_EQ(shown.size(), 2u);
    ASSERT_EQ(dealt.size(), 3u);
    EXPECT_EQ(dealt[0].right[0].word, deal[0].right[0].word);  // the same deal as the first run's

    const Record& played = shown[0];
    EXPECT_EQ(played.correct, 12);
    EXPECT_EQ(played.wrong, 0);
    EXPECT_EQ(played.hints, 0);
    EXPECT_EQ(played.completed, 1);
    // Every frame the keys were held, and the two seconds after the last box.
    EXPECT_EQ(played.duration, (planner.Frames() * TFormWidlak::kFramePeriodMs + 2000) / 1000);
    const Record& stopped = shown[1];
    EXPECT_EQ(stopped.correct, 0);
    EXPECT_EQ(stopped.wrong, 12);
    EXPECT_EQ(stopped.completed, 0);

    const std::string file = rig.Dir().Read("prgst6.stt");
    ASSERT_EQ(file.size(), 20u + 2 * 44u);
    for (int game = 0; game < 2; ++game) {
        const Record& r = shown[static_cast<std::size_t>(game)];
        std::string time;
        for (uint16_t v : {r.start.year, r.start.month, r.start.dayOfWeek, r.start.day, r.start.hour, r.start.minute,
                           r.start.second, r.start.milliseconds})
            time += Le(v, 2);
        const std::string expected = Le(4, 4) + time + Le(static_cast<uint16_t>(r.poziom), 2) +
                                     Le(static_cast<uint16_t>(r.gloski), 2) + Le(static_cast<uint16_t>(r.pozycja), 2) +
                                     Le(static_cast<uint32_t>(r.duration), 4) + Le(static_cast<uint16_t>(r.completed), 2) +
                                     Le(static_cast<uint32_t>(r.hints), 4) + Le(static_cast<uint32_t>(r.correct), 4) +
                                     Le(static_cast<uint32_t>(r.wrong), 4);
        EXPECT_EQ(file.substr(20 + 44 * static_cast<std::size_t>(game), 44), expected) << "game " << game;
    }
    EXPECT_EQ(shown[0].poziom, 1);

    // The journal: each box of the deal into its slot, then the stopped
    // game's twelve boxes left unsolved.
    const std::vector<JournalAnswer> rows = JournalRows(rig.Dir().Path());
    const std::vector<JournalAnswer> carried = RowsOfGame(rows, 4, shown[0].start), left = RowsOfGame(rows, 4, shown[1].start);
    EXPECT_EQ(rows.size(), carried.size() + left.size());
    EXPECT_EQ(Outcomes(carried), std::string(12, 'R'));
    EXPECT_EQ(Outcomes(left), std::string(12, 'U'));
    // Each word of the deal has a box and a slot waiting for it.
    std::vector<std::string> carriedKeys = WordKeys(carried), words;
    for (const BoardCopy& board : deal)
        for (const SlotCopy& slot : board.right)
            words.push_back(slot.word);
    std::sort(carriedKeys.begin(), carriedKeys.end());
    std::sort(words.begin(), words.end());
    EXPECT_EQ(carriedKeys, words);
    EXPECT_EQ(GameRowsProblem(carried, shown[0].gloski, shown[0].pozycja), "");
    EXPECT_EQ(GameRowsProblem(left, shown[1].gloski, shown[1].pozycja), "");
}

TEST(ForkliftRun, TheScriptOpensTheGameStopsItAndReturnsToTheMenu)
{
    if (ProgramPath().empty())
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir root, work;
    if (!LinkGeneratedTree(root.Path()))
        GTEST_SKIP() << "no generated data tree beside the program";
    work.Write("script.txt", "expect form FormMain\n" + OpenForklift() + "keydown Left\nwait 400\nkeyup Left\n" +
                                 StopButton() + "expect form FormKoniecGry\n" + Click(SummaryButton(325)) +
                                 "expect form FormMain\nkey Escape\n");
    const ProgramResult r = RunProgram("--headless --seed 3 --screen 1024x768 --root '" + root.Path().string() +
                                           "' --script '" + (work.Path() / "script.txt").string() + "'",
                                       work.Path());
    ASSERT_EQ(r.status, 0) << r.errors;
    const std::string stats = root.Read("prgst6.stt");
    ASSERT_EQ(stats.size(), 20u + 44u);
    EXPECT_EQ(stats.substr(20, 4), Le(4, 4));
    EXPECT_EQ(stats.substr(20 + 40, 4), Le(12, 4));  // twelve boxes left, all wrong
}
