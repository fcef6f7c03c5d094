// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Services.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/HeadlessMediaPlayer.h"
#include "platform/MessageBox.h"
#include "platform/SoundServices.h"
#include "platform/sdl/SdlMessageBoxes.h"
#include "platform/sdl/SdlSound.h"

void InstallPlatformServices(bool headless)
{
    if (headless) {
        InstallHeadlessSound();
        InstallMessageBoxes(std::make_unique<StderrMessageBoxes>());
        // A scripted run may give the recorder something to hear.
        const char* feed = std::getenv("SZEPTACZKI_MIKROFON");
        if (feed != nullptr && *feed != '\0' && !HeadlessMediaPlayer::SetCaptureFeedFromFile(feed))
            std::fprintf(stderr, "szeptaczki: SZEPTACZKI_MIKROFON: %s is not a wave file of 22050 Hz mono 16-bit sound\n", feed);
        return;
    }
    InstallSdlSound();
    InstallSdlMessageBoxes();
}

void ReleasePlatformServices()
{
    InstallHeadlessSound();
}
