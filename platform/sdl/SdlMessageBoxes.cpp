// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SDL message boxes with a fallback to standard error.
#include "platform/sdl/SdlMessageBoxes.h"

#include <SDL.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <signal.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/SleepHook.h"
#include "platform/Text.h"

namespace {

std::atomic<bool> boxShown{false};
std::atomic<bool> boxInterrupted{false};

#ifdef _WIN32
// SDL shows its box as a dialog of this process on the thread that asked for
// it; a request to close it ends the wait.
BOOL CALLBACK CloseIfBox(HWND window, LPARAM)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[8] = {};
    if (process == GetCurrentProcessId() && GetClassNameW(window, name, 8) > 0 && lstrcmpW(name, L"#32770") == 0)
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void CloseBoxWindows()
{
    EnumWindows(CloseIfBox, 0);
}
#else
// SDL shows its box in a process of its own (a fork on X11, a helper program
// on Wayland) and waits for it, through signals too. Closing that process
// ends the wait.
void CloseBoxWindows()
{
    const pid_t self = ::getpid();
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr)
        return;
    while (const dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        std::FILE* f = std::fopen(path, "r");
        if (f == nullptr)
            continue;
        char line[512] = {};
        const std::size_t n = std::fread(line, 1, sizeof line - 1, f);
        std::fclose(f);
        line[n] = '\0';
        // "pid (name) state ppid ...": the name may hold anything but ends at the last ')'.
        const char* close = std::strrchr(line, ')');
        char state = 0;
        long parent = 0;
        if (close != nullptr && std::sscanf(close + 1, " %c %ld", &state, &parent) == 2 && parent == self)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
    ::closedir(proc);
}

#endif

void CloseShownBox()
{
    if (!boxShown.load())
        return;
    boxInterrupted.store(true);
    CloseBoxWindows();
}

}  // namespace

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
    boxInterrupted.store(false);
    boxShown.store(true);
    const int rc = SDL_ShowMessageBox(&data, &pressed);
    boxShown.store(false);
    if (rc != 0 && !boxInterrupted.load()) {
        // No display to show it on: the message must still reach someone.
        StderrMessageBoxes().Show(title, text, icon);
    }
}

void InstallSdlMessageBoxes()
{
    InstallMessageBoxes(std::make_unique<SdlMessageBoxes>());
    SetMessageBoxInterrupter(CloseShownBox);
}
