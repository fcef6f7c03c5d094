// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Logging off or shutting down Windows as a request to end the program, taken
// up by the message loop like the window's close button (which SDL already
// turns into that request). Saving needs the loop to run: asked whether the
// session may end, the program says not yet, with a reason the system shows,
// and ends itself as after its exit button; the system then goes on. Ctrl+C
// or closing the console of a program started from one (a headless run) is
// the same request.
#include "platform/QuitSignals.h"

#include <windows.h>

#include <atomic>

#include "platform/MainThread.h"
#include "platform/MessageBox.h"

namespace {

std::atomic<int> pendingRequests{0};
HWND hookedWindow = nullptr;
WNDPROC programProc = nullptr;
bool consoleHandled = false;

// The loop may be waiting for input without end: an empty callback wakes it,
// and its next turn takes the request up. A message box blocks the loop
// until it is closed.
void NoteRequest()
{
    pendingRequests.fetch_add(1, std::memory_order_relaxed);
    PostToMainThread([] {});
    InterruptShownMessageBox();
}

// Runs on a thread of its own that the system starts.
BOOL WINAPI ConsoleRequest(DWORD event)
{
    NoteRequest();
    // Closing the console, a logoff or a shutdown end the process once this
    // returns: it waits for the program to save and end instead (the
    // system's own patience still limits it).
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        Sleep(INFINITE);
    return TRUE;
}

LRESULT CALLBACK SessionEndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_QUERYENDSESSION:
        ShutdownBlockReasonCreate(window, L"Szeptaczki zapisuje ustawienia, wyniki i nagrania.");
        NoteRequest();
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

QuitSignals::QuitSignals()
{
    consoleHandled = SetConsoleCtrlHandler(ConsoleRequest, TRUE);
}

QuitSignals::~QuitSignals()
{
    if (consoleHandled)
        SetConsoleCtrlHandler(ConsoleRequest, FALSE);
    consoleHandled = false;
    if (hookedWindow != nullptr && IsWindow(hookedWindow))
        SetWindowLongPtrW(hookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(programProc));
    hookedWindow = nullptr;
}

bool QuitSignals::TakePending()
{
    HookProgramWindow();
    return pendingRequests.exchange(0, std::memory_order_relaxed) > 0;
}
