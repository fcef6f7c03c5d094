// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing of script lines: click/press/release/move/wheel/key/keydown/keyup/
// type/wait/shot/expect form/quit, '#' comments.
#include "platform/ScriptReader.h"

#include <cctype>
#include <charconv>
#include <sstream>

#include "platform/Text.h"

namespace {

bool ParseInt(const std::string& token, int& value)
{
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool SameNoCase(const std::string& a, const char* b)
{
    return EqualsNoCase(a, b);
}

struct KeyName {
    const char* name;
    int key;
    int character;  // the character the key types, or 0
};

constexpr KeyName kKeys[] = {
    {"Escape", VK_ESCAPE, 27}, {"Return", VK_RETURN, 13}, {"Space", VK_SPACE, ' '},
    {"BackSpace", VK_BACK, 8}, {"Left", VK_LEFT, 0},      {"Up", VK_UP, 0},
    {"Right", VK_RIGHT, 0},    {"Down", VK_DOWN, 0},      {"Delete", VK_DELETE, 0},
    {"Home", VK_HOME, 0},      {"End", VK_END, 0},        {"Tab", VK_TAB, 9},
    {"Shift", VK_SHIFT, 0},    {"Ctrl", VK_CONTROL, 0},   {"Alt", VK_MENU, 0},
};

// A key name: one of the table, or one character (UTF-8).
bool ParseKey(const std::string& name, int& key, int& character)
{
    for (const KeyName& k : kKeys)
        if (SameNoCase(name, k.name)) {
            key = k.key;
            character = k.character;
            return true;
        }
    const std::string cp = Utf8ToCp1250(name);
    if (cp.size() != 1 || (cp == "?" && name != "?"))
        return false;
    const auto c = static_cast<unsigned char>(cp[0]);
    character = c;
    key = std::isalnum(c) != 0 ? std::toupper(c) : c;
    return true;
}

TShiftState ModifierOf(int key)
{
    return key == VK_SHIFT ? ssShift : key == VK_CONTROL ? ssCtrl : key == VK_MENU ? ssAlt : 0;
}

}  // namespace

ScriptReader::ScriptReader(std::string text)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines_.push_back(line);
    }
}

void ScriptReader::ReadNext(std::deque<InputEvent>& out)
{
    while (next_ < lines_.size()) {
        const int number = static_cast<int>(next_) + 1;
        const std::string& line = lines_[next_++];
        const std::size_t before = out.size();
        std::string error;
        if (!Parse(line, number, out, error)) {
            out.resize(before);
            InputEvent e;
            e.kind = InputKind::ScriptError;
            e.line = number;
            e.text = error;
            out.push_back(e);
            return;
        }
        if (out.size() > before)
            return;
    }
    InputEvent end;
    end.kind = InputKind::ScriptEnd;
    end.line = static_cast<int>(lines_.size());
    out.push_back(end);
}

bool ScriptReader::Parse(const std::string& line, int number, std::deque<InputEvent>& out, std::string& error)
{
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#')
        return true;
    std::size_t commandEnd = line.find_first_of(" \t", start);
    const std::string command = line.substr(start, commandEnd - start);
    // "type" takes the rest of the line as it stands (after one separating space).
    std::string rest = commandEnd == std::string::npos ? std::string() : line.substr(commandEnd + 1);

    // Every other command: whitespace-separated words; a word starting with '#'
    // begins a comment (except the one key name of the key commands).
    std::vector<std::string> args;
    {
        std::istringstream words(rest);
        std::string w;
        const bool keyCommand = command == "key" || command == "keydown" || command == "keyup";
        while (words >> w) {
            if (w[0] == '#' && !(keyCommand && args.empty()))
                break;
            args.push_back(w);
        }
    }

    InputEvent e;
    e.line = number;
    e.shift = held_;
    auto mouseArgs = [&](std::size_t maxArgs) {
        if (args.size() < 2 || args.size() > maxArgs) {
            error = command + " needs X Y" + (maxArgs > 2 ? " [left|right]" : "");
            return false;
        }
        if (!ParseInt(args[0], e.x) || !ParseInt(args[1], e.y)) {
            error = "bad coordinates in " + command;
            return false;
        }
        if (args.size() == 3) {
            if (args[2] == "left")
                e.button = TMouseButton::mbLeft;
            else if (args[2] == "right")
                e.button = TMouseButton::mbRight;
            else {
                error = "unknown mouse button " + args[2];
                return false;
            }
        }
        return true;
    };

    if (command == "click") {
        if (!mouseArgs(3))
            return false;
        e.kind = InputKind::MouseMove;
        out.push_back(e);
        e.kind = InputKind::MouseDown;
        out.push_back(e);
        e.kind = InputKind::MouseUp;
        out.push_back(e);
    } else if (command == "press" || command == "release") {
        if (!mouseArgs(3))
            return false;
        e.kind = command == "press" ? InputKind::MouseDown : InputKind::MouseUp;
        out.push_back(e);
    } else if (command == "move") {
        if (!mouseArgs(2))
            return false;
        e.kind = InputKind::MouseMove;
        out.push_back(e);
    } else if (command == "wheel") {
        if (args.size() != 1 || (args[0] != "up" && args[0] != "down")) {
            error = "wheel needs up or down";
            return false;
        }
        e.kind = InputKind::Wheel;
        e.amount = args[0] == "up" ? WHEEL_DELTA : -WHEEL_DELTA;
        out.push_back(e);
    } else if (command == "key" || command == "keydown" || command == "keyup") {
        int key = 0, character = 0;
        if (args.size() != 1 || !ParseKey(args[0], key, character)) {
            error = args.size() == 1 ? "unknown key " + args[0] : command + " needs one key name";
            return false;
        }
        e.key = key;
        if (command != "keyup") {
            e.kind = InputKind::KeyDown;
            out.push_back(e);
            held_ |= ModifierOf(key);
            if (character != 0) {
                InputEvent c = e;
                c.kind = InputKind::Char;
                c.key = character;
                out.push_back(c);
            }
        }
        if (command != "keydown") {
            held_ &= ~ModifierOf(key);
            e.kind = InputKind::KeyUp;
            e.shift = held_;
            out.push_back(e);
        }
    } else if (command == "type") {
        const std::string text = Utf8ToCp1250(rest);
        if (text.empty()) {
            error = "type needs text";
            return false;
        }
        for (char ch : text) {
            e.kind = InputKind::Char;
            e.key = static_cast<unsigned char>(ch);
            out.push_back(e);
        }
    } else if (command == "wait") {
        // "wait N frames": N turns of a running game's frame loop.
        const bool frames = args.size() == 2 && args[1] == "frames";
        if ((args.size() != 1 && !frames) || !ParseInt(args[0], e.amount) || e.amount < 0) {
            error = "wait needs a number of milliseconds, or of frames";
            return false;
        }
        e.kind = InputKind::ScriptWait;
        if (frames)
            e.text = "frames";
        out.push_back(e);
    } else if (command == "shot") {
        if (args.size() != 1) {
            error = "shot needs one file name";
            return false;
        }
        e.kind = InputKind::ScriptShot;
        e.text = args[0];
        out.push_back(e);
    } else if (command == "quit") {
        // The window manager's close request (or the session ending).
        if (!args.empty()) {
            error = "quit takes no arguments";
            return false;
        }
        e.kind = InputKind::Quit;
        out.push_back(e);
    } else if (command == "expect") {
        if (args.size() != 2 || args[0] != "form") {
            error = "expect needs: form NAME";
            return false;
        }
        e.kind = InputKind::ScriptExpect;
        e.text = args[1];
        out.push_back(e);
    } else {
        error = "unknown command " + command;
        return false;
    }
    return true;
}
