// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu on the generated data tree: what the busy recording tab
// refuses, what a repaint keeps, the music around a game, the word checks
// before a game and the guidance messages of the recording tab.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "controls/CCheckBut.h"
#include "controls/CPrzyciskP.h"
#include "core/CBlad.h"
#include "core/CSlowa.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundCodes.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "platform/Clock.h"
#include "platform/Edit.h"
#include "platform/Platform.h"
#include "platform/Services.h"
#include "recording/CNagData.h"
#include "recording/CNagrywanie.h"
#include "recording/RecordingIndicator.h"
#include "screens/FormKomunikat.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tests/e2e/ProgramRig.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Stands in for a game: notes whether the music played while it was shown.
class StandInGame final : public CGameScreen {
public:
    explicit StandInGame(int id, bool enough = true) : id_(id), enough_(enough)
    {
        replaced_ = GameScreenFor(id);
        if (replaced_ != nullptr)
            UnregisterGameScreen(replaced_);
        RegisterGameScreen(this);
    }
    ~StandInGame() override
    {
        UnregisterGameScreen(this);
        if (replaced_ != nullptr)
            RegisterGameScreen(replaced_);
    }
    int GameId() const override { return id_; }
    bool EnoughWords() override { return enough_; }
    int ShowGame() override
    {
        ++shown;
        musicDuringGame = musicDuringGame || FormMain->Recorder().IsPlaying();
        return 0;
    }

    int shown = 0;
    bool musicDuringGame = false;

private:
    int id_;
    bool enough_;
    CGameScreen* replaced_ = nullptr;
};

// The menu of a whole program, shown, with every message box it opens
// noted and closed at once.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig_ = std::make_unique<ProgramRig>(kWidth, kHeight, "", 5);
        if (!rig_->Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        FormMain->Show();
        auto centre = FormKomunikat->OnShow;
        FormKomunikat->OnShow = [this, centre] {
            if (centre)
                centre();
            messages.push_back(FormKomunikat->MessageNumber());
            FormKomunikat->Close();
        };
    }

    TFormMain& Menu() { return *FormMain; }

    // A press on tab k (1..6) of the strip.
    void ClickTab(int k)
    {
        static constexpr int kBandMiddles[6] = {76, 176, 264, 347, 429, 510};
        Menu().g_Menu.OnMouseDown(TMouseButton::mbLeft, {}, 140, kBandMiddles[k - 1]);
    }

    // Clicks row k's name field after typing a name into it.
    void SelectRow(int k, const std::string& name)
    {
        TEdit& field = Menu().Recordings().NameField(k);
        field.SetText(name);
        field.OnClick();
    }

    std::unique_ptr<ProgramRig> rig_;
    std::vector<int> messages;
};

int Saturation(const Bitmap& pixels, TRect r)
{
    int sum = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const TColor c = pixels.GetPixel(x, y);
            sum += std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) -
                   std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    return sum;
}

}  // namespace

TEST_F(MenuTest, WhileARecordingRunsTabsAboutExitAndScrollingAreRefusedAndTheirButtonsDimmed)
{
    ClickTab(6);
    ASSERT_EQ(Zakladka, 6);
    const TRect about = Menu().Button("oprogramie").BoundsRect();
    const int idleSaturation = Saturation(Menu().Pixels(), about);
    SelectRow(0, "Ola");
    Menu().A_Rec_Rec.Execute();
    ASSERT_TRUE(Menu().Busy());
    ASSERT_TRUE(Menu().Recorder().IsRecording());

    ClickTab(1);
    EXPECT_EQ(Zakladka, 6);
    EXPECT_FALSE(Menu().A_Oprogramie.Execute());
    EXPECT_FALSE(Menu().Button("oprogramie").Enabled());
    EXPECT_FALSE(Menu().Button("wyjdz").Enabled());
    int key = VK_ESCAPE;
    Menu().OnKeyDown(key, {});
    EXPECT_TRUE(Menu().Visible());
    Menu().OnMouseWheel({}, -120, 500, 400);
    Menu().Button("down").OnMouseUp(TMouseButton::mbLeft, {}, 5, 5);
    EXPECT_EQ(Menu().Recordings().Top(), 0);
    EXPECT_LT(Saturation(Menu().Pixels(), about), idleSaturation * 2 / 3);
    EXPECT_TRUE(Menu().Indicator().Running());

    // "rstop" ends it and gives everything back.
    Menu().MPStop.Execute();
    EXPECT_FALSE(Menu().Busy());
    EXPECT_FALSE(Menu().Indicator().Running());
    EXPECT_TRUE(Menu().Button("oprogramie").Enabled());
    EXPECT_EQ(Saturation(Menu().Pixels(), about), idleSaturation);
    Menu().OnMouseWheel({}, -120, 500, 400);
    EXPECT_EQ(Menu().Recordings().Top(), 1);
    ClickTab(1);
    EXPECT_EQ(Zakladka, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MenuTest, ARepaintKeepsTheSelectedRowAndTheTypedNamesFocusAndARecordingKeepsOnlyStop)
{
    ClickTab(6);
    SelectRow(2, "Ala");
    ASSERT_EQ(Menu().Recordings().SelectedRow(), 2);
    ASSERT_TRUE(Menu().Recordings().NameField(2).Focused());
    Menu().Repaint();
    EXPECT_EQ(Menu().Recordings().SelectedRow(), 2);
    EXPECT_TRUE(Menu().Recordings().NameField(2).Focused());

    Menu().A_Rec_Rec.Execute();
    ASSERT_TRUE(Menu().Busy());
    for (int repaint = 0; repaint < 2; ++repaint) {
        EXPECT_TRUE(Menu().Button("rstop").Visible());
        EXPECT_FALSE(Menu().Button("rrec").Visible());
        EXPECT_FALSE(Menu().Button("rodtworz").Visible());
        Menu().Repaint();
    }
    Menu().MPStop.Execute();
    EXPECT_TRUE(Menu().Button("rrec").Visible());
    EXPECT_FALSE(Menu().Button("rstop").Visible());

    // Opening the tab again starts with no row chosen.
    ClickTab(1);
    ClickTab(6);
    EXPECT_EQ(Menu().Recordings().SelectedRow(), -1);
    EXPECT_FALSE(Menu().Recordings().NameField(2).Focused());
}

TEST_F(MenuTest, TheMusicStopsForAGameAndPlaysAgainAfterItOnlyWhenSwitchedOn)
{
    StandInGame train(UstPociag.GameId);
    ClickTab(1);
    Menu().A_Start.Execute();
    EXPECT_EQ(train.shown, 1);
    EXPECT_FALSE(Menu().Recorder().IsPlaying());  // the speaker is off at start

    Menu().A_Glosnik.Execute();
    ASSERT_TRUE(Menu().Recorder().IsPlaying());
    Menu().A_Start.Execute();
    EXPECT_EQ(train.shown, 2);
    EXPECT_FALSE(train.musicDuringGame);
    EXPECT_TRUE(Menu().Recorder().IsPlaying());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MenuTest, TheMemoryGameAtTheMiddleAmountNeedsEightWords)
{
    StandInGame memory(UstMemory3.GameId);
    // Find choices of sounds and positions that give exactly 7 and 8 words.
    std::pair<int, int> seven{0, 0}, eight{0, 0};
    for (int sounds = 1; sounds <= 0xFFF && (seven.first == 0 || eight.first == 0); ++sounds)
        for (int positions : {POZ_NAGLOS, POZ_SRODGLOS, POZ_WYGLOS, POZ_NAGLOS | POZ_SRODGLOS,
                              POZ_NAGLOS | POZ_WYGLOS, POZ_SRODGLOS | POZ_WYGLOS}) {
            CUstGry probe(3, "probe");
            probe.Gloski = static_cast<int16_t>(sounds);
            probe.Pozycja = static_cast<int16_t>(positions);
            Slowa->Filter(probe);
            const std::size_t n = Slowa->Filtered().size();
            if (n == 7 && seven.first == 0)
                seven = {sounds, positions};
            if (n == 8 && eight.first == 0)
                eight = {sounds, positions};
        }
    ASSERT_NE(seven.first, 0);
    ASSERT_NE(eight.first, 0);

    ClickTab(3);
    UstMemory3.Poziom = 2;
    UstMemory3.Gloski = static_cast<int16_t>(seven.first);
    UstMemory3.Pozycja = static_cast<int16_t>(seven.second);
    Menu().A_Start.Execute();
    EXPECT_EQ(memory.shown, 0);
    EXPECT_EQ(messages, std::vector<int>{3});

    UstMemory3.Gloski = static_cast<int16_t>(eight.first);
    UstMemory3.Pozycja = static_cast<int16_t>(eight.second);
    Menu().A_Start.Execute();
    EXPECT_EQ(memory.shown, 1);
    EXPECT_EQ(messages, std::vector<int>{3});
}

TEST_F(MenuTest, TheTrainWithNoSoundChosenGivesMessageThree)
{
    ClickTab(1);
    for (int i = 0; i < 12; ++i)
        if (Menu().SoundButton(i).IsChecked())
            Menu().soundActions[static_cast<std::size_t>(i)].Execute();
    ASSERT_EQ(UstPociag.Gloski, 0);
    Menu().A_Start.Execute();
    EXPECT_EQ(messages, std::vector<int>{3});
    EXPECT_EQ(rig_->App().TopmostForm(), FormMain);
}

TEST_F(MenuTest, TheRecordingTabGuidesInTheOrderTenTwentyElevenTwentyOne)
{
    ClickTab(6);
    Menu().A_Rec_Rec.Execute();   // no row chosen
    Menu().A_Rec_Play.Execute();
    SelectRow(4, "");
    Menu().A_Rec_Rec.Execute();   // a row without a name
    Menu().A_Rec_Play.Execute();
    EXPECT_EQ(messages, (std::vector<int>{10, 20, 11, 21}));
    EXPECT_FALSE(Menu().Busy());
    EXPECT_EQ(Menu().ActiveControl(), nullptr);
}

TEST(MainMenuConstruction, AMissingOrDamagedSceneIsErrorOne)
{
    ProgramSandbox sandbox;
    if (!LinkGeneratedTree(sandbox.Root()))
        GTEST_SKIP() << "no generated data tree beside the program";
    // A picture folder of our own: links to every generated picture but the scene.
    const fs::path intf = sandbox.Root() / "Data" / "Intf";
    const fs::path built = fs::read_symlink(intf);
    fs::remove(intf);
    fs::create_directory(intf);
    for (const auto& entry : fs::directory_iterator(built))
        if (entry.path().filename() != "Spec")
            fs::create_symlink(entry.path(), intf / entry.path().filename());
    fs::create_directories(intf / "Spec");
    for (const auto& entry : fs::directory_iterator(built / "Spec"))
        if (entry.path().filename() != "R3_mT0.xji")
            fs::create_symlink(entry.path(), intf / "Spec" / entry.path().filename());

    InstallPlatformServices(true);
    PlatformOptions options;
    options.headless = true;
    options.screenWidth = kWidth;
    options.screenHeight = kHeight;
    auto app = CreateApplication(options);
    SetDisplay(kWidth, kHeight);
    ASSERT_TRUE(LoadGlobalFonts(Display().Mode()));
    for (bool damaged : {false, true}) {
        if (damaged)
            sandbox.Dir().Write("Data/Intf/Spec/R3_mT0.xji", "no JPEG here");
        try {
            TFormMain menu(*app);
            ADD_FAILURE() << "a menu without its scene, damaged: " << damaged;
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code, 1);
        }
        EXPECT_EQ(FormMain, nullptr);
    }
    app.reset();
    ReleasePlatformServices();
}

TEST(MainMenuRecordingTab, InEveryModeItsButtonsStandClearOverTheSceneWithoutCaptionsAndTheSignShowsTheTime)
{
    for (const TPoint screen : {TPoint{800, 600}, TPoint{1024, 768}, TPoint{1280, 960}, TPoint{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(screen.x) + "x" + std::to_string(screen.y));
        ProgramRig rig(screen.x, screen.y, "", 5);
        if (!rig.Ready())
            GTEST_SKIP() << "no generated data tree beside the program";
        TFormMain& menu = *FormMain;
        menu.Show();
        Zakladka = 6;
        menu.A_Zakladka.Execute();

        // The buttons keep clear of the last row and show the scene, not a caption, around them.
        const TRect lastRow = menu.Recordings().NameField(CNagData::kRowCount - 1).BoundsRect();
        for (const char* name : {"rrec", "rodtworz", "rstop"}) {
            CPrzyciskP& button = menu.Button(name);
            const TRect r = button.BoundsRect();
            EXPECT_GE(r.top, lastRow.bottom + 6) << name;
            if (!button.Visible())
                continue;
            Bitmap expected(r.Width(), r.Height());
            expected.CopyRect(expected.Bounds(), menu.SceneWithoutCaptions(), r);
            button.Pictures().Compose(expected, 0, 0, ButtonState::Normal);
            EXPECT_TRUE(SameArea(menu.Pixels(), r, expected, 0, 0)) << name;
        }

        // A recording shows the sign beside the buttons, inside the panel, and
        // counts the seconds; stopping wipes it.
        TEdit& field = menu.Recordings().NameField(0);
        field.SetText("Ola");
        field.OnClick();
        menu.A_Rec_Rec.Execute();
        ASSERT_TRUE(menu.Indicator().Running());
        const TRect sign = menu.Indicator().Place();
        EXPECT_LE(sign.right, menu.Button("rodtworz").Left());
        // Within the panel (its left edge is at 175 in 1024 x 768).
        EXPECT_GE(sign.left, Display().OffsetX() + Display().ConvertFromModeRounded(4, 175) + 8);
        EXPECT_GE(sign.top, lastRow.bottom);
        EXPECT_LE(sign.bottom, menu.Button("wyjdz").Top());
        for (int ms = 0; ms < 2100; ms += 50) {
            TheClock().Sleep(50);
            FireDueTimers();
        }
        EXPECT_EQ(menu.Indicator().Seconds(), 2);
        EXPECT_FALSE(SameArea(menu.Pixels(), sign, menu.SceneWithoutCaptions(), sign.left, sign.top));
        bool red = false;
        for (int y = sign.top; y < sign.bottom; ++y)
            for (int x = sign.left; x < sign.right; ++x) {
                const TColor c = menu.Pixels().GetPixel(x, y);
                red = red || (GetRValue(c) > 180 && GetGValue(c) < 80 && GetBValue(c) < 80);
            }
        EXPECT_EQ(red, menu.Indicator().DotShown());
        menu.MPStop.Execute();
        EXPECT_TRUE(SameArea(menu.Pixels(), sign, menu.SceneWithoutCaptions(), sign.left, sign.top));
    }
}

TEST(RecordingIndicator, WritesMinutesAndTwoDigitSeconds)
{
    EXPECT_EQ(RecordingIndicator::TimeText(0), "0:00");
    EXPECT_EQ(RecordingIndicator::TimeText(7), "0:07");
    EXPECT_EQ(RecordingIndicator::TimeText(59), "0:59");
    EXPECT_EQ(RecordingIndicator::TimeText(60), "1:00");
}
