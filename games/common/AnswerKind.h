// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a child's answer was, as every game reports it to its screen.
#pragma once

enum class AnswerKind {
    Right,     // a right answer
    Wrong,     // a wrong answer
    Hint,      // the help button showed something
    Unsolved,  // an item left when the game was stopped: counted wrong
};
