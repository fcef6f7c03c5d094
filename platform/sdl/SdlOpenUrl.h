// Installs SDL_OpenURL as the handler of web and e-mail addresses (platform/OpenUrl.h).
#pragma once

void InstallSdlUrlHandler();
