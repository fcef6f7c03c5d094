// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading ustar archives.
#include "voice/TarArchive.h"

#include <algorithm>
#include <cstring>

#include "platform/Text.h"

namespace {

constexpr std::size_t kBlock = 512;

// Header fields: offset and length.
constexpr std::size_t kName = 0, kNameLength = 100;
constexpr std::size_t kMode = 100, kOwner = 108, kGroup = 116;
constexpr std::size_t kSize = 124, kSizeLength = 12;
constexpr std::size_t kTime = 136;
constexpr std::size_t kChecksum = 148, kChecksumLength = 8;
constexpr std::size_t kType = 156;
constexpr std::size_t kMagic = 257;
constexpr std::size_t kPrefix = 345, kPrefixLength = 155;

void PutOctal(std::string& header, std::size_t at, std::size_t length, uint64_t value)
{
    // length - 1 digits and a terminating NUL, as every reader expects.
    for (std::size_t i = length - 1; i-- > 0;) {
        header[at + i] = static_cast<char>('0' + (value & 7));
        value >>= 3;
    }
}

unsigned Checksum(const char* header)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < kBlock; ++i)
        sum += i >= kChecksum && i < kChecksum + kChecksumLength ? ' ' : static_cast<unsigned char>(header[i]);
    return sum;
}

// An octal field; false when it holds anything else.
bool ReadOctal(const char* field, std::size_t length, uint64_t& value)
{
    value = 0;
    std::size_t i = 0;
    while (i < length && field[i] == ' ')
        ++i;
    bool digits = false;
    for (; i < length && field[i] >= '0' && field[i] <= '7'; ++i) {
        if (value >> 60)
            return false;
        value = value << 3 | static_cast<uint64_t>(field[i] - '0');
        digits = true;
    }
    for (; i < length; ++i)
        if (field[i] != ' ' && field[i] != '\0')
            return false;
    return digits;
}

std::string Field(const char* field, std::size_t length)
{
    return std::string(field, strnlen(field, length));
}

}  // namespace

std::string BuildTar(const std::vector<TarFile>& files, int64_t modified)
{
    std::string out;
    for (const TarFile& file : files) {
        std::string header(kBlock, '\0');
        header.replace(kName, std::min(file.name.size(), kNameLength), file.name, 0, kNameLength);
        PutOctal(header, kMode, 8, 0644);
        PutOctal(header, kOwner, 8, 0);
        PutOctal(header, kGroup, 8, 0);
        PutOctal(header, kSize, kSizeLength, file.contents.size());
        PutOctal(header, kTime, 12, static_cast<uint64_t>(std::max<int64_t>(modified, 0)));
        header[kType] = '0';
        std::memcpy(&header[kMagic], "ustar\0" "00", 8);
        PutOctal(header, kChecksum, 7, Checksum(header.data()));
        header[kChecksum + 7] = ' ';
        out += header;
        out += file.contents;
        out.append((kBlock - file.contents.size() % kBlock) % kBlock, '\0');
    }
    out.append(2 * kBlock, '\0');
    return out;
}

bool ParseTar(const std::string& bytes, std::vector<TarFile>& files, std::string& reason)
{
    files.clear();
    std::size_t pos = 0;
    for (;;) {
        if (pos == bytes.size() && pos > 0)
            return true;  // some writers leave the end marker out
        if (pos + kBlock > bytes.size()) {
            reason = "archiwum jest urwane"_cp;
            return false;
        }
        const char* header = bytes.data() + pos;
        if (std::all_of(header, header + kBlock, [](char c) { return c == '\0'; }))
            return true;  // the end marker
        uint64_t checksum = 0, size = 0;
        if (std::memcmp(header + kMagic, "ustar", 5) != 0 ||
            !ReadOctal(header + kChecksum, kChecksumLength, checksum) || checksum != Checksum(header) ||
            !ReadOctal(header + kSize, kSizeLength, size)) {
            reason = "uszkodzony nagłówek w archiwum (to nie jest archiwum tar?)"_cp;
            return false;
        }
        pos += kBlock;
        if (size > bytes.size() - pos) {
            reason = "plik w archiwum jest urwany"_cp;
            return false;
        }
        const char type = header[kType];
        if (type == '0' || type == '\0') {
            TarFile& file = files.emplace_back();
            const std::string prefix = Field(header + kPrefix, kPrefixLength);
            file.name = (prefix.empty() ? "" : prefix + "/") + Field(header + kName, kNameLength);
            file.contents = bytes.substr(pos, static_cast<std::size_t>(size));
        }
        pos += static_cast<std::size_t>((size + kBlock - 1) / kBlock * kBlock);
    }
}
