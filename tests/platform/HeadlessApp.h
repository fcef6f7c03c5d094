// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Headless applications for the form-library tests, driven by a script text.
#pragma once

#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Platform.h"

inline std::unique_ptr<TApplication> HeadlessApp(const std::string& script, int width = 640, int height = 480)
{
    PlatformOptions options;
    options.headless = true;
    options.screenWidth = width;
    options.screenHeight = height;
    options.scriptText = script.empty() ? "# no input\n" : script;
    return CreateApplication(options);
}
