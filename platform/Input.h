// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own input values: key codes, mouse buttons, shift states and
// the events a back end delivers. Screens never see an SDL event.
#pragma once

#include <cstdint>
#include <string>

// Key codes follow the virtual-key numbering the screens were designed with:
// letters and digits are their upper-case ASCII codes.
enum : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F1 = 112,
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and held mouse buttons.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;

// Cursor shapes: the system arrow and the program's hand ("cursor 1").
enum TCursor { crDefault = 0, crHand = 1 };

// One wheel notch, as the screens expect it.
constexpr int WHEEL_DELTA = 120;

enum class InputKind {
    MouseMove,
    MouseDown,
    MouseUp,
    Wheel,      // amount: +WHEEL_DELTA up, -WHEEL_DELTA down
    KeyDown,    // key: VK_ code
    KeyUp,
    Char,       // key: a cp1250 character (0..255)
    Quit,       // the window was closed by the user
    Expose,     // the display lost its pixels and needs the screen again
    Wake,       // something was posted to the user-interface thread
    // Produced only by a script of a headless run:
    ScriptWait,     // amount: milliseconds of program time
    ScriptShot,     // text: PNG file
    ScriptExpect,   // text: form name
    ScriptEnd,
    ScriptError,    // text: the reason
};

// The lines of a script that are no input: they wait, observe the program
// or end the script.
constexpr bool IsScriptCommand(InputKind kind)
{
    return kind == InputKind::ScriptWait || kind == InputKind::ScriptShot || kind == InputKind::ScriptExpect ||
           kind == InputKind::ScriptEnd || kind == InputKind::ScriptError;
}

struct InputEvent {
    InputKind kind = InputKind::MouseMove;
    int x = 0;  // screen pixels
    int y = 0;
    TMouseButton button = TMouseButton::mbLeft;
    TShiftState shift = 0;
    int key = 0;
    int amount = 0;
    std::string text;
    int line = 0;  // script line of a script event
};
