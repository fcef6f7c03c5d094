// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian reading and writing of the font files' records on standard
// streams. Reads report short data instead of throwing, and a length read
// from a file is never trusted for an allocation before the bytes arrive.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace binary_stream {

inline bool ReadExact(std::istream& in, void* dest, std::size_t count)
{
    if (count == 0)
        return true;
    in.read(static_cast<char*>(dest), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount()) == count;
}

inline bool ReadInt32(std::istream& in, int32_t& value)
{
    uint8_t b[4];
    if (!ReadExact(in, b, 4))
        return false;
    value = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                 static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
    return true;
}

inline bool ReadByte(std::istream& in, uint8_t& value)
{
    return ReadExact(in, &value, 1);
}

// Appends count bytes to out, growing it only as the data really arrives, so
// that a lying length in a short file costs no more memory than the file.
inline bool ReadBlock(std::istream& in, std::vector<uint8_t>& out, std::size_t count)
{
    constexpr std::size_t kChunk = 1 << 20;
    while (count > 0) {
        const std::size_t n = count < kChunk ? count : kChunk;
        const std::size_t old = out.size();
        out.resize(old + n);
        in.read(reinterpret_cast<char*>(out.data() + old), static_cast<std::streamsize>(n));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got != n) {
            out.resize(old + got);
            return false;
        }
        count -= n;
    }
    return true;
}

inline void WriteInt32(std::ostream& out, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
    out.write(b, 4);
}

inline void WriteByte(std::ostream& out, uint8_t value)
{
    out.put(static_cast<char>(value));
}

}  // namespace binary_stream
