// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file's byte layout, both ways: a 20-byte header (program
// number, creation time) and 44-byte game records, little-endian.
#include "core/StatisticsFile.h"

#include <cstdio>
#include <system_error>

#include "platform/Paths.h"

namespace {

constexpr std::size_t kHeaderSize = 20;
constexpr std::size_t kRecordSize = 44;

void PutU16(std::string& out, uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void PutI32(std::string& out, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((u >> shift) & 0xFF);
}

void PutTime(std::string& out, const SystemTime& t)
{
    for (uint16_t field : {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds})
        PutU16(out, field);
}

// Reads little-endian fields from a byte range that is known to be long enough.
class FieldReader {
public:
    explicit FieldReader(const unsigned char* p) : p_(p) {}

    uint16_t U16()
    {
        const uint16_t v = static_cast<uint16_t>(p_[0] | (p_[1] << 8));
        p_ += 2;
        return v;
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    int32_t I32()
    {
        const uint32_t v = static_cast<uint32_t>(p_[0]) | (static_cast<uint32_t>(p_[1]) << 8) |
                           (static_cast<uint32_t>(p_[2]) << 16) | (static_cast<uint32_t>(p_[3]) << 24);
        p_ += 4;
        return static_cast<int32_t>(v);
    }
    SystemTime Time()
    {
        SystemTime t;
        for (uint16_t* field : {&t.year, &t.month, &t.dayOfWeek, &t.day, &t.hour, &t.minute, &t.second,
                                &t.milliseconds})
            *field = U16();
        return t;
    }

private:
    const unsigned char* p_;
};

// The whole file, or false when it cannot be opened or read as a regular file.
bool ReadWhole(const std::filesystem::path& file, std::string& bytes)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return false;
    std::FILE* in = OpenFile(file, "rb");
    if (!in)
        return false;
    char buffer[1 << 14];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, in);
        bytes.append(buffer, n);
        if (n < sizeof buffer) {
            ok = std::ferror(in) == 0;
            break;
        }
    }
    std::fclose(in);
    return ok;
}

}  // namespace

std::string EncodeStatHeader(int32_t programNumber, const SystemTime& created)
{
    std::string out;
    PutI32(out, programNumber);
    PutTime(out, created);
    return out;
}

std::string EncodeStatRecord(const StatRecord& r)
{
    std::string out;
    PutI32(out, r.GameId);
    PutTime(out, r.StartTime);
    PutU16(out, static_cast<uint16_t>(r.Poziom));
    PutU16(out, static_cast<uint16_t>(r.Gloski));
    PutU16(out, static_cast<uint16_t>(r.Pozycja));
    PutI32(out, r.Duration);
    PutU16(out, static_cast<uint16_t>(r.Completed));
    PutI32(out, r.Hints);
    PutI32(out, r.Correct);
    PutI32(out, r.Wrong);
    return out;
}

StatisticsFile ReadStatisticsFile(const std::filesystem::path& file, int32_t expectedProgramNumber)
{
    StatisticsFile result;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        result.Problems.push_back({StatFileProblem::Missing});
        return result;
    }
    std::string bytes;
    if (!ReadWhole(file, bytes)) {
        result.Problems.push_back({StatFileProblem::Unreadable});
        return result;
    }
    result.Found = true;
    if (bytes.empty()) {
        result.Problems.push_back({StatFileProblem::Empty});
        return result;
    }
    if (bytes.size() < kHeaderSize) {
        result.Problems.push_back({StatFileProblem::ShortHeader, static_cast<int64_t>(bytes.size())});
        return result;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    FieldReader header(data);
    result.HeaderRead = true;
    result.ProgramNumber = header.I32();
    result.Created = header.Time();
    if (result.ProgramNumber != expectedProgramNumber)
        result.Problems.push_back({StatFileProblem::OtherProgram, result.ProgramNumber});

    const std::size_t body = bytes.size() - kHeaderSize;
    const std::size_t whole = body / kRecordSize;
    result.Records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        FieldReader in(data + kHeaderSize + i * kRecordSize);
        StatRecord r;
        r.GameId = in.I32();
        r.StartTime = in.Time();
        r.Poziom = in.I16();
        r.Gloski = in.I16();
        r.Pozycja = in.I16();
        r.Duration = in.I32();
        r.Completed = in.I16();
        r.Hints = in.I32();
        r.Correct = in.I32();
        r.Wrong = in.I32();
        result.Records.push_back(r);
    }
    if (const std::size_t rest = body % kRecordSize; rest != 0)
        result.Problems.push_back({StatFileProblem::PartialRecord, static_cast<int64_t>(rest)});
    return result;
}
