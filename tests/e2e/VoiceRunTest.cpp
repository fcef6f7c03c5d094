// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice's voice in the whole program: the voice screen reached from
// the main menu and driven by its keyboard flow, and a game that then speaks
// the practice's recording where there is one.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/MainMenuLayout.h"
#include "games/memory/CKarta.h"
#include "games/memory/FormMemory3.h"
#include "games/memory/GraMemory.h"
#include "graphics/CDisplay.h"
#include "platform/HeadlessMediaPlayer.h"
#include "platform/SoundPlayer.h"
#include "platform/WaveFile.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/voice/VoiceTestSupport.h"
#include "voice/FormGlos.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

std::string Click(TPoint p)
{
    return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}

std::string OpenMemory()
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(kWidth, kHeight));
    return Click({l.tabStrip.x + 100, l.tabStrip.y + 260}) + Click({l.start.x + 20, l.start.y + 20}) +
           "wait 100\nexpect form FormMemory3\n";
}

// Leaves a game through its summary and ends at the menu.
const char* const kLeaveGame = "key Escape\nexpect form FormKoniecGry\nkey Escape\nwait 100\nexpect form FormMain\n";

// The microphone's sound while the test lives.
class CaptureFeed {
public:
    explicit CaptureFeed(std::vector<int16_t> samples) { HeadlessMediaPlayer::SetCaptureFeed(std::move(samples)); }
    ~CaptureFeed() { HeadlessMediaPlayer::SetCaptureFeed({}); }
};

}  // namespace

TEST(VoiceScreen, RecordsWordsByKeyboardFromTheMenuAndKeepsOnlyAcceptedTakes)
{
    // What the adult says, one stretch per take: the first two words of the
    // list, nothing (a muted microphone), then the third word.
    std::vector<int16_t> said;
    for (const char* key : {"abecadlo", "ananas", "", "apteczka"}) {
        const std::vector<int16_t> take = TakeAround(GeneratedWord(key), 0.3, 250, 0, 30);
        said.insert(said.end(), take.begin(), take.end());
        said.resize(said.size() + kRecordingRate * 18 / 10 - take.size(), 0);
    }
    if (GeneratedWord("abecadlo").empty())
        GTEST_SKIP() << "no generated data tree beside the program";
    CaptureFeed feed(said);

    const std::string script = "keydown Ctrl\nkey G\nkeyup Ctrl\nwait 100\nexpect form FormGlos\n"
                               // Enter records the first word without a recording; Enter ends the take.
                               "key Return\nwait 1800\nkey Return\nwait 1200\n"
                               // Enter keeps it and records the next one at once.
                               "key Return\nwait 1800\nkey Return\nwait 300\nkey Return\n"
                               // Nothing heard: refused, the word stays without a recording.
                               "wait 1800\nkey Return\nwait 100\n"
                               // Held Space records while held; Delete drops the take.
                               "keydown Space\nwait 1800\nkeyup Space\nwait 200\nkey Delete\n"
                               // Back to the second word: two presses of Delete take its recording away.
                               "key Up\nkey Delete\nkey Delete\nkey Escape\nwait 100\nexpect form FormMain\n";
    ProgramRig rig(kWidth, kHeight, script, 5);
    ASSERT_TRUE(rig.Ready());
    ASSERT_EQ(rig.Run(), 0);

    const fs::path voice = rig.Dir().Path() / "Glos";
    WaveData kept;
    ASSERT_TRUE(LoadWaveFile(voice / "abecadlo.wav", kept));
    // Trimmed to the word and short margins (the generated word keeps 110 ms of its own).
    const int word = static_cast<int>(GeneratedWord("abecadlo").size() * 1000 / kRecordingRate);
    EXPECT_NEAR(kept.DurationMs(), word + 40, 110);
    EXPECT_FALSE(fs::exists(voice / "ananas.wav"));
    EXPECT_TRUE(fs::exists(voice / "Kosz" / "ananas.wav"));
    EXPECT_FALSE(fs::exists(voice / "apteczka.wav"));
    // The scratch files of the takes are gone with the screen.
    for (const auto& entry : fs::directory_iterator(voice))
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}

TEST(VoiceInGames, AGamePlaysThePracticesRecordingWhereItHasOneAndTheGeneratedOneOtherwise)
{
    // A first run learns the memory game's deal for the seed.
    std::vector<std::string> words;
    std::vector<TRect> slots;
    {
        ProgramRig rig(kWidth, kHeight, OpenMemory() + kLeaveGame, 11);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        FormKoniecGry->OnShow = [&] {
            for (int k = 0; k < FormMemory3->Board()->SlotCount(); ++k) {
                words.push_back(FormMemory3->Board()->Slot(k).WordName());
                slots.push_back(FormMemory3->Board()->Slot(k).Rect());
            }
        };
        ASSERT_EQ(rig.Run(), 0);
    }
    ASSERT_EQ(words.size(), 6u);

    // The practice has recorded the first word of the deal only. A found
    // pair says its word: each pair is found.
    const std::string human = words[0];
    std::string play = OpenMemory();
    std::set<std::string> done;
    for (std::size_t a = 0; a < words.size(); ++a)
        for (std::size_t b = a + 1; b < words.size(); ++b)
            if (words[a] == words[b] && done.insert(words[a]).second) {
                for (const TRect& r : {slots[a], slots[b]})
                    play += Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                play += "wait 1100\n";
            }
    // The summary's stop button leaves the finished game.
    const TPoint stop{(kWidth - TFormKoniecGry::kWidth) / 2 + 325 + 30, (kHeight - TFormKoniecGry::kHeight) / 2 + 360};
    play += "wait 1100\nexpect form FormKoniecGry\n" + Click(stop) + "wait 100\nexpect form FormMain\n";
    ProgramRig rig(kWidth, kHeight, play, 11, false, [&](const TempDir& dir) {
        dir.Write("Glos/" + human + ".wav", BuildRecordingWave(std::vector<int16_t>(kRecordingRate, 1000)));
    });
    ASSERT_TRUE(rig.Ready());
    ASSERT_EQ(rig.Run(), 0);
    const auto* player = dynamic_cast<const SilentSoundPlayer*>(&TheSoundPlayer());
    ASSERT_NE(player, nullptr);
    std::set<std::string> heard;
    for (const fs::path& file : player->played)
        heard.insert(file.lexically_relative(rig.Dir().Path()).generic_string());
    std::set<std::string> expected;
    for (const std::string& word : words)
        expected.insert(word == human ? "Glos/" + word + ".wav" : "Data/Smd/" + word + ".pw");
    EXPECT_EQ(heard, expected);
}

TEST(VoiceScreen, EveryControlLiesInsideThePanelApartFromTheOthersInEveryDisplayMode)
{
    for (const auto& [width, height] : {std::pair{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        ProgramRig rig(width, height, "", 1);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        auto* form = dynamic_cast<TFormGlos*>(TheVoiceScreen());
        ASSERT_NE(form, nullptr);
        const TRect panel = form->Layout().panel;
        std::vector<const TControl*> shown;
        for (const TControl* c : form->Controls())
            if (c->Visible())
                shown.push_back(c);
        ASSERT_GE(shown.size(), 27u);  // 15 filters, 2 lists, 5 buttons, 4 paint boxes, the keys' line
        for (const TControl* c : shown) {
            const TRect r = c->BoundsRect();
            EXPECT_EQ(r.Intersect(panel), r) << c->Name << " leaves the panel";
            for (const TControl* other : shown)
                EXPECT_TRUE(other == c || r.Intersect(other->BoundsRect()).IsEmpty())
                    << c->Name << " overlaps " << other->Name;
        }
    }
}
