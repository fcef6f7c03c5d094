// Web and e-mail addresses opened through SDL.
#include "platform/sdl/SdlOpenUrl.h"

#include <SDL.h>

#include "platform/OpenUrl.h"

void InstallSdlUrlHandler()
{
    InstallUrlHandler([](const std::string& url) { return SDL_OpenURL(url.c_str()) == 0; });
}
