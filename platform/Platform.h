// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Making the application on the chosen back end: the SDL window, or the
// headless screen driven by a script.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

class TApplication;

struct PlatformOptions {
    bool headless = false;
    bool windowed = false;
    int screenWidth = 0;   // 0: the real screen (1024 x 768 when headless)
    int screenHeight = 0;
    // On a display larger than the design area, scale the picture up to fill it.
    bool scale = false;
    std::string scriptFile;  // input events (headless, or fed to the window in real time)
    std::string scriptText;  // used instead of scriptFile when not empty (tests)
    std::string title = "Szeptaczki Cz.VI";  // cp1250
    // A window nobody can see (no display: the system's drivers that draw
    // into memory) is refused with NoDisplayError. Tests that use those
    // drivers on purpose leave this off.
    bool needVisibleWindow = false;
};

// Raised when there is no display to show the window on.
struct NoDisplayError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws std::runtime_error when no window can be opened. A script file that
// cannot be read makes a script whose first line fails (exit status 3).
std::unique_ptr<TApplication> CreateApplication(const PlatformOptions& options);
