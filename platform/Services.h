// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's services chosen once at start: sound and media players,
// message boxes and the handler of web addresses, for a real run (SDL) or a
// headless one.
#pragma once

void InstallPlatformServices(bool headless);
// Releases the audio device; call before the application goes away.
void ReleasePlatformServices();
