#include "platform/Services.h"

#include <memory>

#include "platform/MessageBox.h"
#include "platform/SoundServices.h"
#include "platform/sdl/SdlMessageBoxes.h"
#include "platform/sdl/SdlSound.h"

void InstallPlatformServices(bool headless)
{
    if (headless) {
        InstallHeadlessSound();
        InstallMessageBoxes(std::make_unique<StderrMessageBoxes>());
        return;
    }
    InstallSdlSound();
    InstallSdlMessageBoxes();
}

void ReleasePlatformServices()
{
    InstallHeadlessSound();
}
