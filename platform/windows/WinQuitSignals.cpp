// Logging off or shutting down Windows as a request to end the program, taken
// up by the message loop like the window's close button (which SDL already
// turns into that request). Saving needs the loop to run: asked whether the
// session may end, the program says not yet, with a reason the system shows,
// and ends itself as after its exit button; the system then goes on.
#include "platform/QuitSignals.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<int> pendingRequests{0};
HWND hookedWindow = nullptr;
WNDPROC programProc = nullptr;

LRESULT CALLBACK SessionEndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_QUERYENDSESSION:
        ShutdownBlockReasonCreate(window, L"Szeptaczki zapisuje ustawienia, wyniki i nagrania.");
        pendingRequests.fetch_add(1, std::memory_order_relaxed);
        return FALSE;
    case WM_ENDSESSION:
        if (!wParam)
            ShutdownBlockReasonDestroy(window);  // the session goes on after all
        return 0;
    default:
        return CallWindowProcW(programProc, window, message, wParam, lParam);
    }
}

BOOL CALLBACK NoteProgramWindow(HWND window, LPARAM found)
{
    // SDL's windows are of its class "SDL_app"; the program has one.
    wchar_t name[16] = {};
    if (GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"SDL_app") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The window is made after the guard; it is looked for until it exists.
void HookProgramWindow()
{
    if (hookedWindow != nullptr && IsWindow(hookedWindow))
        return;
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), NoteProgramWindow, reinterpret_cast<LPARAM>(&window));
    if (window == nullptr)
        return;
    programProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SessionEndProc)));
    hookedWindow = window;
}

}  // namespace

QuitSignals::QuitSignals() = default;

QuitSignals::~QuitSignals()
{
    if (hookedWindow != nullptr && IsWindow(hookedWindow))
        SetWindowLongPtrW(hookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(programProc));
    hookedWindow = nullptr;
}

bool QuitSignals::TakePending()
{
    HookProgramWindow();
    return pendingRequests.exchange(0, std::memory_order_relaxed) > 0;
}
