// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An X server of a test's own (Xvfb), for tests that drive the real SDL
// window of the program.
#pragma once

#include <string>

#include <sys/types.h>

class XvfbDisplay {
public:
    // Starts Xvfb on a free display number of the server's choosing; Ready()
    // is false when Xvfb is not installed or did not start within seconds.
    explicit XvfbDisplay(int width = 1280, int height = 1024);
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool Ready() const { return !name_.empty(); }
    // ":N", for DISPLAY.
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};
