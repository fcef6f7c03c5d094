// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The little figure of the memory screen: its frames running forwards and
// back, its fades, and when it comes and goes (in 20 s after it last left,
// stays 2.5 s; 300 ms after each pair; for good at the end of a full game).
// The screen draws it; this class only keeps time on the 50 ms ticks.
#pragma once

class MemoryFigure {
public:
    static constexpr int kTickMs = 50;
    static constexpr int kFrameCount = 11;
    static constexpr int kFadeStep = 25;
    static constexpr int kQuickFadeStep = 51;

    enum class Event { Show, Hide };

    MemoryFigure();

    int Frame = 0;  // 0 ... kFrameCount - 1
    float Phase = 0.0f;
    float Direction = 1.0f;
    int Opacity = 0;  // 0 ... 255
    int PreviousOpacity = 0;
    int Step = 0;  // +25, -25 or 0
    int Ticks = 1;
    int Target = 0;  // 0: nothing scheduled
    Event TargetEvent = Event::Hide;

    // The target tick for an event delayMs ahead, rounded to the nearest tick.
    void Schedule(int delayMs, Event event);
    void ShowSoon();
    void Show(bool boardEmpty);
    void Hide();
    void Rest();

    // One timer tick: the next frame, a due event, one fade step.
    void Tick(bool boardEmpty);
    // True when the figure is to be drawn (it is, or just was, visible); the
    // opacity drawn is remembered.
    bool TakeDraw();
};
