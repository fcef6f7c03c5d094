// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The memory figure's frames, fades and schedule.
#include "games/memory/MemoryFigure.h"

namespace {

constexpr int kFirstHideMs = 500;
constexpr int kShowSoonMs = 300;
constexpr int kAwayMs = 20000;
constexpr int kStayMs = 2500;

}  // namespace

MemoryFigure::MemoryFigure()
{
    Schedule(kFirstHideMs, Event::Hide);
}

void MemoryFigure::Schedule(int delayMs, Event event)
{
    Target = Ticks + (delayMs + kTickMs / 2) / kTickMs;
    TargetEvent = event;
}

void MemoryFigure::ShowSoon()
{
    Schedule(kShowSoonMs, Event::Show);
}

void MemoryFigure::Show(bool boardEmpty)
{
    Step = kFadeStep;
    if (boardEmpty) {
        // The game is over: the figure stays.
        Target = 0;
        TargetEvent = Event::Show;
    } else {
        Schedule(kStayMs, Event::Hide);
    }
}

void MemoryFigure::Hide()
{
    Step = -kFadeStep;
    Schedule(kAwayMs, Event::Show);
}

void MemoryFigure::Rest()
{
    Schedule(kAwayMs, Event::Show);
}

void MemoryFigure::Tick(bool boardEmpty)
{
    ++Ticks;
    const int last = kFrameCount - 1;
    if (Direction > 0 && Frame == last)
        Direction = -1.0f;
    else if (Direction <= 0 && Frame <= 0)
        Direction = 1.0f;
    Phase += Direction;
    Frame = static_cast<int>(Phase);
    if (Frame > last)
        Frame = last;
    if (Frame < 0)
        Frame = 0;
    if (Ticks == Target) {
        if (TargetEvent == Event::Show)
            Show(boardEmpty);
        else
            Hide();
    }
    if (Step != 0) {
        Opacity += Step;
        if (Opacity >= 255) {
            Opacity = 255;
            Step = 0;
        } else if (Opacity <= 0) {
            Opacity = 0;
            Step = 0;
        }
    }
}

bool MemoryFigure::TakeDraw()
{
    if (Opacity == 0 && PreviousOpacity == 0)
        return false;
    PreviousOpacity = Opacity;
    return true;
}
