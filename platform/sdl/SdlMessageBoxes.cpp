// SDL message boxes with a fallback to standard error.
#include "platform/sdl/SdlMessageBoxes.h"

#include <SDL.h>

#include "platform/SleepHook.h"
#include "platform/Text.h"

void SdlMessageBoxes::Show(const std::string& title, const std::string& text, MessageIcon icon)
{
    const Uint32 flags = icon == MessageIcon::Error     ? SDL_MESSAGEBOX_ERROR
                         : icon == MessageIcon::Warning ? SDL_MESSAGEBOX_WARNING
                                                        : SDL_MESSAGEBOX_INFORMATION;
    const std::string utf8Title = Cp1250ToUtf8(title);
    const std::string utf8Text = Cp1250ToUtf8(text);
    SDL_MessageBoxButtonData ok{};
    ok.flags = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    ok.buttonid = 0;
    ok.text = "OK";
    SDL_MessageBoxData data{};
    data.flags = flags;
    data.window = SDL_WasInit(SDL_INIT_VIDEO) != 0 ? SDL_GetKeyboardFocus() : nullptr;
    data.title = utf8Title.c_str();
    data.message = utf8Text.c_str();
    data.numbuttons = 1;
    data.buttons = &ok;
    int pressed = -1;
    // The box blocks the program: what it drew last is shown behind it first.
    BeforeSleep();
    if (SDL_ShowMessageBox(&data, &pressed) != 0) {
        // No display to show it on: the message must still reach someone.
        StderrMessageBoxes().Show(title, text, icon);
    }
}

void InstallSdlMessageBoxes()
{
    InstallMessageBoxes(std::make_unique<SdlMessageBoxes>());
}
