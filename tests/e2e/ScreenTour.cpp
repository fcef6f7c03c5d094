// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/ScreenTour.h"

#include <iterator>
#include <random>

#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "screens/FormKomunikat.h"

const std::vector<ScreenSize> kDisplayModes = {{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};

namespace {

std::string Line(const std::string& command, TPoint p)
{
    return command + " " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}

}  // namespace

TPoint TabPoint(const ScreenSize& screen, int tab)
{
    // The middle of the rows that TabAt gives to the tab, found rather than
    // copied, so that the tour follows the menu's own geometry.
    const CDisplay display(screen.width, screen.height);
    const SMainMenuLayout layout = MainMenuLayout(display);
    const TPoint needs = TabStripNeeds(display);
    const int x = needs.x * 2 / 3;
    int first = -1, last = -1;
    for (int y = 0; y < needs.y; ++y)
        if (TabAt(display, x, y) == tab) {
            if (first < 0)
                first = y;
            last = y;
        }
    return {layout.tabStrip.x + x, layout.tabStrip.y + (first + last) / 2};
}

TPoint MessageBoxStop(const ScreenSize& screen)
{
    const int left = (screen.width - TFormKomunikat::kWidth) / 2;
    const int top = (screen.height - TFormKomunikat::kHeight) / 2;
    return {left + TFormKomunikat::kWidth / 2 - 30 + 12, top + TFormKomunikat::kHeight - 100 + 12};
}

std::string Click(TPoint p)
{
    return Line("click", p);
}

std::string MenuTour(const ScreenSize& screen)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(screen.width, screen.height));
    const TPoint offset{12, 12};
    auto inside = [&](TPoint p) { return TPoint{p.x + offset.x, p.y + offset.y}; };
    std::string s = "expect form FormMain\n";
    for (int tab = 1; tab <= kMenuTabCount; ++tab)
        s += Click(TabPoint(screen, tab)) + "wait 300\n";
    // The recording tab: play and record with no row chosen give messages.
    s += Click(inside(l.play)) + "wait 200\n" + Click(MessageBoxStop(screen));
    s += Click(inside(l.record)) + "wait 200\n" + Click(MessageBoxStop(screen));
    s += Click(TabPoint(screen, 1)) + Click(inside(l.amounts[2])) + Click(inside(l.sounds[5])) +
         Click(inside(l.positions[1]));
    s += Click(inside(l.about)) + "wait 1500\nkey Escape\nwait 200\n";
    s += "expect form FormMain\nkey Escape\n";
    return s;
}

std::string GameTour(const ScreenSize& screen, int tab, const std::string& play)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(screen.width, screen.height));
    return "expect form FormMain\n" + Click(TabPoint(screen, tab)) + Click({l.start.x + 12, l.start.y + 12}) +
           play + "quit\n";
}

std::string RandomInput(const ScreenSize& screen, uint64_t seed, int events)
{
    std::mt19937_64 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); };
    auto point = [&] { return TPoint{pick(screen.width), pick(screen.height)}; };
    static const char* const kKeys[] = {"Left", "Right", "Up", "Down", "Space", "Return", "BackSpace",
                                        "a", "s", "z", "1", "Up", "Down", "Left", "Right"};
    std::string s;
    for (int i = 0; i < events; ++i) {
        const int r = pick(100);
        if (r < 30) {
            const TPoint p = point();
            s += "click " + std::to_string(p.x) + " " + std::to_string(p.y) + (pick(5) == 0 ? " right\n" : "\n");
        } else if (r < 45) {
            s += Line("press", point());
            for (int k = pick(4); k >= 0; --k)
                s += Line("move", point());
            s += Line("release", point());
        } else if (r < 65) {
            // Escape ends a game, the summary or the whole menu: rare, so
            // that most runs play a while.
            s += pick(40) == 0 ? std::string("key Escape\n")
                               : "key " + std::string(kKeys[pick(static_cast<int>(std::size(kKeys)))]) + "\n";
        } else if (r < 72) {
            const char* key = kKeys[pick(4)];
            s += std::string("keydown ") + key + "\nwait " + std::to_string(40 * (1 + pick(20))) + "\nkeyup " +
                 key + "\n";
        } else if (r < 88) {
            s += "wait " + std::to_string(20 + pick(1500)) + "\n";
        } else {
            s += Line("move", point());
        }
    }
    return s;
}
