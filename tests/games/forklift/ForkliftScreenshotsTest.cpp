// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screens of the forklift in every display mode, drawn from the generated
// data tree: the truck carrying a box, turning, engaged at a slot, and the
// hint. The PNG files go to $SZ_SHOTS_DIR when it is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <functional>

#include "core/CStatRec.h"
#include "platform/Clock.h"
#include "tests/controls/ControlsTestSupport.h"
#include "tests/games/forklift/ForkliftScreenSupport.h"

namespace {

std::filesystem::path ShotsDir(const TempDir& fallback)
{
    const char* dir = std::getenv("SZ_SHOTS_DIR");
    if (dir == nullptr || *dir == '\0')
        return fallback.Path();
    std::filesystem::create_directories(dir);
    return dir;
}

// The program's virtual clock with a look at every sleep, so that a test
// sees the screen in the middle of a blocking animation.
class WatchedClock final : public Clock {
public:
    WatchedClock(Clock& inner, std::function<void(int)> onSleep) : inner_(inner), onSleep_(std::move(onSleep)) {}
    SystemTime UniversalTime() override { return inner_.UniversalTime(); }
    int64_t Milliseconds() override { return inner_.Milliseconds(); }
    int64_t Counter() override { return inner_.Counter(); }
    int64_t CounterFrequency() override { return inner_.CounterFrequency(); }
    void Sleep(int ms) override
    {
        onSleep_(ms);
        inner_.Sleep(ms);
    }
    bool IsVirtual() const override { return true; }

private:
    Clock& inner_;
    std::function<void(int)> onSleep_;
};

// Drives with the test driver until the condition holds.
bool DriveUntil(ForkliftScreen& s, const std::function<bool()>& done, int maxFrames = 2000)
{
    for (int k = 0; k < maxFrames && !done(); ++k) {
        s.Hold(NextKeys(s.Truck(), s.Board()));
        s.Frames(1);
    }
    s.Hold({});
    return done();
}

}  // namespace

TEST(ForkliftScreens, CarryTurnEngageAndHintInEveryDisplayMode)
{
    const TempDir fallback;
    const std::filesystem::path out = ShotsDir(fallback);
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        SCOPED_TRACE(size);
        ForkliftScreen s(w, h);
        if (!s.Start(1))
            GTEST_SKIP() << "no generated data tree beside the program";
        CWidWozek& truck = s.Truck();
        auto shot = [&](const std::string& name) {
            ASSERT_TRUE(s.App().SaveScreenshot(out / ("forklift-" + name + "-" + size + ".png")));
        };

        // A hint with both highlights up, during the slot's second blink.
        auto hintShot = [&](const std::string& name) {
            int sleeps = 0;
            auto watched = std::make_unique<WatchedClock>(TheClock(), [&](int ms) {
                if (ms == 200 && ++sleeps == 6) {
                    shot(name);
                }
            });
            std::unique_ptr<Clock> inner = InstallClock(std::move(watched));
            s.Form().actPomoc.Execute();
            InstallClock(std::move(inner));
            EXPECT_EQ(sleeps, 8);
        };

        // The first game of the run: the arrows on the floor glow in turn.
        s.Frames(12);
        EXPECT_TRUE(s.Form().Arrows().HintRunning());
        shot("start");
        // A box of the right rack and its slot.
        hintShot("hint");

        // Engaged at the right rack, the fork sliding under a box.
        ASSERT_TRUE(DriveUntil(s, [&] { return truck.Slot != nullptr; }));
        s.Hold({false, true, false, false});
        s.Frames(4);
        shot("engaged");
        ASSERT_TRUE(DriveUntil(s, [&] { return truck.Orientation == CWidWozek::kTurning; }));
        s.Hold({true, false, false, false});
        s.Frames(1);
        ASSERT_EQ(truck.Orientation, CWidWozek::kTurning);
        shot("turning");
        s.Frames(12);
        ASSERT_EQ(truck.Orientation, CWidWozek::kFacingLeft);
        ASSERT_NE(truck.Box, nullptr);
        // What the window shows is the composed picture, truck and box included.
        const TPoint box = truck.BoxPosition();
        const TPoint onScreen = s.Form().pbGame.ClientToScreen({box.x + truck.Box->Width() / 2, box.y + 3});
        EXPECT_EQ(s.App().Screen().GetPixel(onScreen.x, onScreen.y),
                  s.Form().Composed().GetPixel(box.x + truck.Box->Width() / 2, box.y + 3));
        shot("carrying");
        hintShot("hint-carrying");
        ASSERT_TRUE(DriveUntil(s, [&] { return truck.Slot != nullptr; }));
        s.Hold({true, false, false, false});
        s.Frames(6);
        shot("delivering");

        // Delivered: stars burst from the box on the shelf and leave the
        // picture as the game would draw it anew.
        const int remaining = s.Form().WordsRemaining();
        ASSERT_TRUE(DriveUntil(s, [&] { return s.Form().WordsRemaining() < remaining; }));
        s.Frames(4);
        EXPECT_FALSE(s.Form().EffectsArea().IsEmpty());
        shot("right");
        s.Frames(StarBurst::kFrames);
        const Bitmap after = s.Form().Composed();
        s.Form().Recompose();
        EXPECT_TRUE(SameArea(after, after.Bounds(), s.Form().Composed(), 0, 0));

        // The next box into another word's slot: refused, it blushes.
        ASSERT_TRUE(DriveUntil(s, [&] { return truck.Box && truck.Orientation == CWidWozek::kFacingLeft; }));
        const CWidRegal::CMiejscePudla* wrong = nullptr;
        for (const auto& slot : s.Board().LeftRack().Slots())
            if (slot->Box() == nullptr && slot->Word() != nullptr && slot->Word() != truck.Box->Word())
                wrong = slot.get();
        ASSERT_NE(wrong, nullptr);
        const int fork = wrong->ShelfY() - truck.Measures().lift;
        for (int k = 0; k < 400 && std::abs(truck.ForkY() - fork) > truck.Measures().step; ++k) {
            s.Hold({false, false, truck.ForkY() > fork, truck.ForkY() < fork});
            s.Frames(1);
        }
        s.Hold({true, false, false, false});
        for (int k = 0; k < 400 && StatRec->Wrong == 0; ++k)
            s.Frames(1);
        s.Frames(3);
        ASSERT_EQ(StatRec->Wrong, 1);
        const TPoint at = truck.BoxPosition();
        const TPoint middle{at.x + truck.Box->Width() / 2, at.y + truck.Box->PictureHeight() / 2};
        EXPECT_NE(s.Form().Composed().GetPixel(middle.x, middle.y),
                  truck.Box->Picture()->GetPixel(middle.x - at.x, middle.y - at.y));
        shot("wrong");
        s.Hold({});

        s.Form().Close();
    }
}
