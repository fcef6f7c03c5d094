// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The back-end choice, made once at start-up.
#include "platform/Platform.h"

#include "platform/Application.h"
#include "platform/Paths.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlBackend.h"

std::unique_ptr<TApplication> CreateApplication(const PlatformOptions& options)
{
    if (options.headless) {
        std::string script = options.scriptText;
        std::string error;
        if (script.empty() && !options.scriptFile.empty() && !ReadWholeFile(Utf8Path(options.scriptFile), script))
            error = "cannot read the script " + options.scriptFile;
        auto backend =
            std::make_unique<HeadlessBackend>(options.screenWidth, options.screenHeight, script, options.scale);
        if (!error.empty())
            backend->FailAtStart(error);
        auto app = std::make_unique<TApplication>(std::move(backend));
        app->SetTitle(options.title);
        return app;
    }
    SdlWindowOptions window;
    window.windowed = options.windowed;
    window.screenWidth = options.screenWidth;
    window.screenHeight = options.screenHeight;
    window.title = options.title;
    window.scale = options.scale;
    window.needVisibleWindow = options.needVisibleWindow;
    if (!options.scriptText.empty() || !options.scriptFile.empty()) {
        window.hasScript = true;
        window.scriptText = options.scriptText;
        if (window.scriptText.empty() && !ReadWholeFile(Utf8Path(options.scriptFile), window.scriptText))
            window.scriptError = "cannot read the script " + options.scriptFile;
    }
    auto app = std::make_unique<TApplication>(std::make_unique<SdlBackend>(window));
    app->SetTitle(options.title);
    return app;
}
