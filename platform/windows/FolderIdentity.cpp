// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/FolderIdentity.h"

#include <windows.h>

#include <cwchar>
#include <functional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::wstring Hex(unsigned long long value)
{
    wchar_t text[20];
    std::swprintf(text, 20, L"%llx", value);
    return text;
}

}  // namespace

std::wstring FolderIdentity(const fs::path& folder)
{
    const HANDLE dir = CreateFileW(folder.empty() ? L"." : folder.c_str(), FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (dir != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = GetFileInformationByHandle(dir, &info);
        CloseHandle(dir);
        if (known)
            return Hex(info.dwVolumeSerialNumber) + L"-" +
                   Hex((static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
    }
    std::error_code ec;
    std::wstring name = fs::weakly_canonical(fs::absolute(folder, ec), ec).native();
    CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    return L"p" + Hex(std::hash<std::wstring>{}(name));
}
