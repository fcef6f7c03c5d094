// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A folder's identity on Windows: the same for every spelling of its path
// (letter case, a short 8.3 name, a junction), so that two copies of the
// program that reach one folder by two paths meet on one lock.
#pragma once

#include <filesystem>
#include <string>

// The volume's serial number and the folder's file index; a folder that
// cannot be opened (not made yet) is named by its full path in lower case.
// Only letters, digits and '-': fit for an object's name.
std::wstring FolderIdentity(const std::filesystem::path& folder);
