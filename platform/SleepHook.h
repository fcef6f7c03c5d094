// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What must happen before the program's thread blocks: what was drawn but
// not yet shown must be on the screen while the thread sleeps. Every sleep of
// the program's clock and every frame wait calls BeforeSleep; the
// application installs the hook.
#pragma once

#include <functional>

// An empty function removes the hook.
void SetBeforeSleep(std::function<void()> hook);
void BeforeSleep();
