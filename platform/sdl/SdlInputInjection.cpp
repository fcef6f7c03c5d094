// Program events back into SDL events: the mirror of the back end's translation.
#include "platform/sdl/SdlInputInjection.h"

#include <SDL.h>

#include <cstring>
#include <string>

#include "platform/Text.h"

namespace {

SDL_Keycode SdlKey(int key)
{
    if (key >= 'A' && key <= 'Z')
        return SDLK_a + (key - 'A');
    if (key >= '0' && key <= '9')
        return SDLK_0 + (key - '0');
    switch (key) {
    case VK_ESCAPE: return SDLK_ESCAPE;
    case VK_RETURN: return SDLK_RETURN;
    case VK_SPACE: return SDLK_SPACE;
    case VK_BACK: return SDLK_BACKSPACE;
    case VK_TAB: return SDLK_TAB;
    case VK_LEFT: return SDLK_LEFT;
    case VK_RIGHT: return SDLK_RIGHT;
    case VK_UP: return SDLK_UP;
    case VK_DOWN: return SDLK_DOWN;
    case VK_DELETE: return SDLK_DELETE;
    case VK_HOME: return SDLK_HOME;
    case VK_END: return SDLK_END;
    case VK_SHIFT: return SDLK_LSHIFT;
    case VK_CONTROL: return SDLK_LCTRL;
    case VK_MENU: return SDLK_LALT;
    default: return SDLK_UNKNOWN;
    }
}

uint8_t SdlButton(TMouseButton b)
{
    return b == TMouseButton::mbRight ? SDL_BUTTON_RIGHT : b == TMouseButton::mbMiddle ? SDL_BUTTON_MIDDLE : SDL_BUTTON_LEFT;
}

}  // namespace

bool InjectSdlInput(const InputEvent& event)
{
    SDL_Event e{};
    SDL_Window* window = SDL_GetMouseFocus() != nullptr ? SDL_GetMouseFocus() : SDL_GetKeyboardFocus();
    const uint32_t windowId = window != nullptr ? SDL_GetWindowID(window) : 1;
    switch (event.kind) {
    case InputKind::MouseMove:
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = windowId;
        e.motion.x = event.x;
        e.motion.y = event.y;
        break;
    case InputKind::MouseDown:
    case InputKind::MouseUp:
        e.type = event.kind == InputKind::MouseDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = windowId;
        e.button.button = SdlButton(event.button);
        e.button.state = event.kind == InputKind::MouseDown ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = event.x;
        e.button.y = event.y;
        break;
    case InputKind::Wheel:
        e.type = SDL_MOUSEWHEEL;
        e.wheel.windowID = windowId;
        e.wheel.y = event.amount > 0 ? 1 : -1;
        e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        break;
    case InputKind::KeyDown:
    case InputKind::KeyUp:
        e.type = event.kind == InputKind::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = windowId;
        e.key.state = event.kind == InputKind::KeyDown ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = SdlKey(event.key);
        e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
        if (e.key.keysym.sym == SDLK_UNKNOWN)
            return false;
        break;
    case InputKind::Char: {
        // Control characters come from their keys, as on a real keyboard.
        if (event.key < 32)
            return true;
        const std::string utf8 = Cp1250ToUtf8(std::string(1, static_cast<char>(event.key)));
        e.type = SDL_TEXTINPUT;
        e.text.windowID = windowId;
        std::strncpy(e.text.text, utf8.c_str(), sizeof(e.text.text) - 1);
        break;
    }
    default:
        return false;
    }
    return SDL_PushEvent(&e) == 1;
}
