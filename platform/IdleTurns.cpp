// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IdleTurns.h"

namespace {

int64_t turns = 0;

}  // namespace

int64_t BusyIdleTurns() { return turns; }

void NoteBusyIdleTurn() { ++turns; }
