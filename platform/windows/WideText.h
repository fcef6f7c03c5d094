// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-16, the text of the Windows API, and UTF-8, the text the program hands
// to its platform layer (it turns its own cp1250 into UTF-8 at the boundary).
#pragma once

#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's own text for an error code of GetLastError, in UTF-8.
std::string SystemMessage(unsigned long code);
