// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/SuctionScript.h"

#include "core/CStatRec.h"
#include "core/MainMenuLayout.h"
#include "games/suction/FormPrzyssawki.h"
#include "graphics/CDisplay.h"
#include "screens/FormKoniecGry.h"

namespace {

std::string At(TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

}  // namespace

std::string ScriptClick(TPoint p) { return "click " + At(p) + "\n"; }

void NoteSuctionSummaries(std::vector<SuctionSummary>& out)
{
    auto previous = FormKoniecGry->OnShow;
    FormKoniecGry->OnShow = [&out, previous] {
        SuctionSummary s;
        const TFormPrzyssawki& form = *FormPrzyssawki;
        for (int b = 0; b < form.BoardCount(); ++b) {
            const CPssPlansza& board = form.Board(b);
            SuctionDeal deal;
            for (std::size_t k = 0; k < 5; ++k) {
                const int i = static_cast<int>(k);
                deal.plateKeys[k] = board.Plate(i).Word().Key;
                deal.homes[k] = board.Plate(i).Centre();
                deal.screenKeys[k] = board.Screen(i).Word().Key;
                deal.docks[k] = board.Screen(i).Place().Dock();
            }
            s.boards.push_back(deal);
            s.unplaced.push_back(board.UnplacedCount());
        }
        s.currentBoard = form.CurrentBoard();
        for (int k = 0; form.CurrentBoard() >= 0 && k < 5; ++k)
            if (&form.Board(form.CurrentBoard()).Plate(k) == form.LastTouchedPlate())
                s.lastTouched = k;
        s.correct = StatRec->Correct;
        s.wrong = StatRec->Wrong;
        s.hints = StatRec->Hints;
        s.duration = StatRec->Duration;
        s.completed = StatRec->Completed;
        s.start = StatRec->StartTime;
        out.push_back(s);
        if (previous)
            previous();
    };
}

SuctionScript::SuctionScript(int width, int height) : width_(width), height_(height)
{
    const CDisplay d(width, height);
    offset_ = {d.OffsetX(), d.OffsetY()};
}

std::string SuctionScript::Open() const
{
    const CDisplay d(width_, height_);
    const SMainMenuLayout l = MainMenuLayout(d);
    const TPoint tab{l.tabStrip.x + d.ConvertFromModeRounded(4, 100), l.tabStrip.y + d.ConvertFromModeRounded(4, 175)};
    return "expect form FormMain\n" + ScriptClick(tab) + ScriptClick({l.start.x + 20, l.start.y + 20}) +
           "wait 100\nexpect form FormPrzyssawki\n";
}

std::string SuctionScript::Press(BoardSwitch::Button button) const
{
    const TPoint p = BoardSwitch::ButtonPosition(CDisplay(width_, height_), button);
    return ScriptClick({p.x + 30, p.y + 30});
}

std::string SuctionScript::SummaryAgain() const
{
    return "expect form FormKoniecGry\n" +
           ScriptClick({(width_ - TFormKoniecGry::kWidth) / 2 + 235 + 30, (height_ - TFormKoniecGry::kHeight) / 2 + 360}) +
           "wait 100\nexpect form FormPrzyssawki\n";
}

std::string SuctionScript::SummaryLeave() const
{
    return "expect form FormKoniecGry\n" +
           ScriptClick({(width_ - TFormKoniecGry::kWidth) / 2 + 325 + 30, (height_ - TFormKoniecGry::kHeight) / 2 + 360}) +
           "expect form FormMain\n";
}

std::string SuctionScript::Drag(TPoint from, TPoint to, bool release) const
{
    from = {from.x + offset_.x, from.y + offset_.y};
    to = {to.x + offset_.x, to.y + offset_.y};
    std::string s = "press " + At(from) + "\n";
    for (int i = 1; i <= 4; ++i)
        s += "move " + At({from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4}) + "\n";
    return release ? s + "release " + At(to) + "\n" : s;
}

int SuctionScript::PlateFor(const SuctionDeal& d, const std::string& key)
{
    for (std::size_t k = 0; k < 5; ++k)
        if (d.plateKeys[k] == key)
            return static_cast<int>(k);
    return -1;
}

std::string SuctionScript::Place(const SuctionDeal& d, std::initializer_list<int> screens) const
{
    std::string s;
    for (int screen : screens) {
        const int plate = PlateFor(d, d.screenKeys[static_cast<std::size_t>(screen)]);
        s += Drag(d.homes[static_cast<std::size_t>(plate)], d.docks[static_cast<std::size_t>(screen)]);
    }
    return s;
}
