// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Work handed to the user-interface thread: the audio and single-copy threads
// post callbacks here (the "window messages" of the original design), and the
// message loop runs them between input events.
#pragma once

#include <functional>

// Thread-safe. The callback runs later on the user-interface thread.
void PostToMainThread(std::function<void()> callback);

// Runs the callbacks posted so far, in order; returns how many ran. Called by
// the message loop only.
int RunPostedCallbacks();

// True when callbacks are waiting.
bool HasPostedCallbacks();

// The back end's way of waking its event wait when something is posted
// (an SDL user event, for example). May be called from any thread.
void SetMainThreadWakeUp(std::function<void()> wakeUp);
