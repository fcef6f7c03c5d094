// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A plain tar archive (the POSIX "ustar" layout that every tar program and
// archive manager opens), written and read whole in memory: a voice set is a
// few megabytes. Only regular files with relative names of at most 100 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TarFile {
    std::string name;  // UTF-8, '/' between folders
    std::string contents;
};

// The archive's bytes; every file stamped with the time given (seconds
// since 1970).
std::string BuildTar(const std::vector<TarFile>& files, int64_t modified);

// The regular files of an archive, in its order (folders, links and other
// entries are passed over). False, with the reason (cp1250), when the bytes
// are not a whole archive: a header that does not add up, a file that runs
// past the end.
bool ParseTar(const std::string& bytes, std::vector<TarFile>& files, std::string& reason);
