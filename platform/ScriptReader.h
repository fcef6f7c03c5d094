// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The input script of headless runs: one command a line, turned into the
// input events (and the wait, shot and expect commands) it stands for.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Input.h"

class ScriptReader {
public:
    // The script's text; lines are read one at a time as events are needed.
    explicit ScriptReader(std::string text);

    // Appends the events of the next command to out; at the end of the
    // script appends one ScriptEnd. A line that cannot be understood gives
    // one ScriptError with its number and the reason.
    void ReadNext(std::deque<InputEvent>& out);
    bool AtEnd() const { return next_ >= lines_.size(); }

private:
    bool Parse(const std::string& line, int number, std::deque<InputEvent>& out, std::string& error);

    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    TShiftState held_ = 0;  // modifier keys held down by keydown commands
};
