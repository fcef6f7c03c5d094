// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suction-cups game in every display mode, played from the menu: a
// board tuning in (snow), a plate being dragged, placed plates and a hint.
// The PNG files go to $SZ_SHOTS_DIR when it is set. Also: every word of the
// catalogue fits on the plate in every mode's font.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/CSlowa.h"
#include "games/suction/FormPrzyssawki.h"
#include "graphics/CDisplay.h"
#include "graphics/CTransFont.h"
#include "graphics/GlobalFonts.h"
#include "platform/Clock.h"
#include "tests/e2e/ProgramRig.h"
#include "tests/e2e/SuctionScript.h"

namespace fs = std::filesystem;

namespace {

using Button = BoardSwitch::Button;

fs::path ShotsDir(const TempDir& fallback)
{
    const char* dir = std::getenv("SZ_SHOTS_DIR");
    if (dir == nullptr || *dir == '\0')
        return fallback.Path();
    fs::create_directories(dir);
    return dir;
}

// The program's clock with a look-in: a sleep of the given length first
// runs a callback (the hint's last pause, both highlights up).
class WatchedClock final : public Clock {
public:
    WatchedClock(int watchedMs, std::function<void()> onSleep) : watchedMs_(watchedMs), onSleep_(std::move(onSleep)) {}
    void SetInner(std::unique_ptr<Clock> inner) { inner_ = std::move(inner); }
    SystemTime UniversalTime() override { return inner_->UniversalTime(); }
    int64_t Milliseconds() override { return inner_->Milliseconds(); }
    int64_t Counter() override { return inner_->Counter(); }
    int64_t CounterFrequency() override { return inner_->CounterFrequency(); }
    bool IsVirtual() const override { return inner_->IsVirtual(); }
    void Sleep(int milliseconds) override
    {
        if (milliseconds == watchedMs_ && onSleep_)
            onSleep_();
        inner_->Sleep(milliseconds);
    }
    std::unique_ptr<Clock> TakeInner() { return std::move(inner_); }

private:
    std::unique_ptr<Clock> inner_;
    int watchedMs_;
    std::function<void()> onSleep_;
};

// A screenshot was written (an empty or failed one is a few bytes at most).
bool Exists(const fs::path& file) { return fs::exists(file) && fs::file_size(file) > 1000; }

}  // namespace

TEST(SuctionScreens, OpeningDragPlacedAndHintInEveryDisplayMode)
{
    const TempDir fallback;
    const fs::path out = ShotsDir(fallback);
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}, std::pair{1280, 1024}}) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        SCOPED_TRACE(size);
        const SuctionScript s(w, h);
        const std::string leave = s.Press(Button::Stop) + s.SummaryLeave() + "key Escape\n";
        std::vector<SuctionSummary> probe;
        {
            ProgramRig rig(w, h, s.Open() + SuctionScript::kOpening + leave, 99);
            if (!rig.Ready())
                GTEST_SKIP() << "no generated data tree beside the program";
            NoteSuctionSummaries(probe);
            EXPECT_EQ(rig.Run(), 0);
        }
        ASSERT_EQ(probe.size(), 1u);
        const SuctionDeal& d = probe[0].boards[0];
        auto file = [&](const char* what) { return (out / ("suction_" + size + "_" + what + ".png")).string(); };

        const int tried = SuctionScript::PlateFor(d, d.screenKeys[4]);
        const TPoint home = d.homes[static_cast<std::size_t>(tried)];
        const TPoint halfway{(home.x + d.docks[4].x) / 2, (home.y + d.docks[4].y) / 2};
        std::string play = s.Open() + "wait 900\nshot " + file("opening") + "\n" + SuctionScript::kOpening;
        play += s.Drag(home, halfway, false) + "shot " + file("drag") + "\nrelease " +
                std::to_string(halfway.x + s.Offset().x) + " " + std::to_string(halfway.y + s.Offset().y) + "\n";
        play += s.Place(d, {0, 1, 3}) + "shot " + file("placed") + "\n";
        play += s.Drag(home, d.docks[2]) + s.Press(Button::Pomoc) + leave;

        ProgramRig rig(w, h, play, 99);
        ASSERT_TRUE(rig.Ready());
        auto watchedClock =
            std::make_unique<WatchedClock>(1000, [&rig, &file] { rig.App().SaveScreenshot(file("hint")); });
        WatchedClock* watched = watchedClock.get();
        watched->SetInner(InstallClock(std::move(watchedClock)));
        EXPECT_EQ(rig.Run(), 0);
        InstallClock(watched->TakeInner());
        for (const char* what : {"opening", "drag", "placed", "hint"})
            EXPECT_TRUE(Exists(file(what))) << what;
    }
}

TEST(SuctionScreens, EveryWordFitsOnThePlateInEveryMode)
{
    ProgramSandbox sandbox;
    if (!LinkGeneratedTree(sandbox.Root()))
        GTEST_SKIP() << "no generated data tree beside the program";
    const CSlowa catalogue;
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 960}}) {
        const CDisplay d(w, h);
        CTransFont font;
        ASSERT_TRUE(font.LoadFromCollection(kFontCollection, FontNamesForMode(d.Mode()).bold));
        CTransBitmap plate;
        const std::string base = "Data\\Intf\\Spec\\" + d.ModePrefix() + "pss_ram";
        ASSERT_EQ(plate.TryLoadPair(base + "B.xji", base + "W.xji"), 0);
        // The plate's rim and cups take some of it: the word keeps inside
        // its white face (a tenth of the width in from either side all told).
        const int room = plate.Colour->Width() * 9 / 10;
        for (const CSlowa::SPaczka& word : catalogue.Words()) {
            const CTransFont::SSize text = font.MeasureText(CSlowa::CapitalSpelling(word));
            EXPECT_LE(text.width, room) << word.Key << " in " << w << "x" << h;
            EXPECT_LE(text.height, plate.Colour->Height()) << word.Key;
        }
    }
}
