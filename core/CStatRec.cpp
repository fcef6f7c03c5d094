// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics object and the statistics file "prgst6.stt": a 20-byte header,
// then 44-byte game records, little-endian and without padding.
#include "core/CStatRec.h"

#include <cmath>
#include <string>
#include <system_error>

#include "core/CBlad.h"
#include "core/CUstGry.h"
#include "core/StatisticsFile.h"
#include "platform/LockedFile.h"
#include "platform/Paths.h"

namespace {

// The exact comparisons the rating rests on: the factors are doubles (0.4 is a
// hair above 0.4, 0.6 a hair below 0.6) and their products with the counters
// must not be rounded, or the boundary cases (10 right and 6 wrong) flip.
// fma gives the rounding error of the product, so p + e is the exact value.
bool ExactlyAtMost(double a, double factor, double b)  // a <= factor * b
{
    const double p = factor * b;
    const double e = std::fma(factor, b, -p);
    return a < p || (a == p && e >= 0);
}

bool ExactlyAbove(double a, double factor, double b)  // a > factor * b
{
    const double p = factor * b;
    const double e = std::fma(factor, b, -p);
    return a > p || (a == p && e < 0);
}

// Brings the locked file to what records can be appended to: the header at
// the start and whole records after it. An empty file gets its header; a file
// that is cut inside a record (a failed copy, a partial restore) loses the
// unfinished part, and one with another header starts again; either way a
// copy of it as it was is kept beside it first, and every whole record of
// this program stays.
bool MakeAppendable(LockedFile& f, const std::filesystem::path& file, int32_t programNumber)
{
    const int64_t size = f.Size();
    if (size < 0)
        return false;
    const std::string header = EncodeStatHeader(programNumber, TheClock().UniversalTime());
    if (size == 0)
        return f.Append(header);
    std::string start;
    if (!f.Read(0, 4, start))
        return false;
    const bool ours = size >= static_cast<int64_t>(CStatRec::kHeaderSize) && start == header.substr(0, 4);
    const int64_t records = (size - static_cast<int64_t>(CStatRec::kHeaderSize)) /
                            static_cast<int64_t>(CStatRec::kRecordSize);
    const int64_t whole = ours ? static_cast<int64_t>(CStatRec::kHeaderSize + records * CStatRec::kRecordSize) : 0;
    if (whole == size)
        return true;
    // Nothing is cut that could not be kept.
    if (!KeepDamagedCopy(file) || !f.Truncate(whole))
        return false;
    return whole > 0 || f.Append(header);
}

}  // namespace

CStatRec::CStatRec(int32_t programNumber, CUstGry* settings)
    : IdleTimer([this] { Expire(); }, kIdleMs, false), ProgramNumber(programNumber), Settings(settings)
{
    if (!EnsureFile())
        throw CBlad(3);
}

CStatRec::~CStatRec()
{
    Settings = nullptr;
}

std::filesystem::path CStatRec::FileNameFor(int32_t programNumber)
{
    return NativePath("prgst" + std::to_string(programNumber) + ".stt");
}

bool CStatRec::EnsureFile()
{
    const std::filesystem::path file = FileName();
    const std::filesystem::path folder = file.parent_path();
    std::error_code ec;
    // A link to a file outside the program's folder is never written
    // through: a file of its own with the same contents takes its place.
    if (IsLinkOutside(file, folder)) {
        std::string contents;
        ReadWholeFile(file, contents);
        WriteFileAtomically(file, contents);
    }
    LockedFile locked = LockedFile::ForAppend(file, folder, true);
    if (locked.IsOpen())
        MakeAppendable(locked, file, ProgramNumber);
    // A file that cannot be written now (a read-only folder) is still there:
    // the program runs, and each game tells that it could not be saved.
    return std::filesystem::is_regular_file(file, ec);
}

void CStatRec::StartGame(CUstGry& settings)
{
    GameId = settings.GameId;
    Settings = &settings;
    Hints = 0;
    Correct = 0;
    Wrong = 0;
    Duration = 0;
    Active = true;
    StartTime = TheClock().UniversalTime();
    Touch();
}

void CStatRec::Touch()
{
    if (!Active)
        return;
    IdleTimer.SetEnabled(false);
    IdleTimer.SetInterval(kIdleMs);
    IdleTimer.SetEnabled(true);
}

void CStatRec::Expire()
{
    IdleTimer.SetEnabled(false);
    Active = false;
}

void CStatRec::StopGame()
{
    EndTime = TheClock().UniversalTime();
    Duration = DurationSeconds();
}

int32_t CStatRec::DurationSeconds() const
{
    const int64_t ticks = SystemTimeToTicks(EndTime) - SystemTimeToTicks(StartTime);
    return static_cast<int32_t>(ticks / 10000000);
}

bool CStatRec::Save(uint8_t completed)
{
    if (!Active)
        return false;
    Completed = completed;

    StatRecord r;
    r.GameId = GameId;
    r.StartTime = StartTime;
    if (Settings) {
        r.Poziom = Settings->Poziom;
        r.Gloski = Settings->Gloski;
        r.Pozycja = Settings->Pozycja;
    }
    r.Duration = Duration;
    r.Completed = Completed;
    r.Hints = Hints;
    r.Correct = Correct;
    r.Wrong = Wrong;
    const std::string record = EncodeStatRecord(r);

    // The file was made at start-up; a file that has gone since is not made
    // again here, so a record never lands in a file without a header.
    const std::filesystem::path file = FileName();
    LockedFile locked = LockedFile::ForAppend(file, file.parent_path(), false);
    if (locked.IsOpen() && MakeAppendable(locked, file, ProgramNumber) && locked.Append(record)) {
        saveProblem_ = FileProblem::None;
        return true;
    }
    saveProblem_ = locked.Problem() == FileProblem::None ? FileProblem::Other : locked.Problem();
    if (OnSaveFailed)
        OnSaveFailed(saveProblem_);
    return false;
}

std::string CStatRec::DurationText() const
{
    return std::to_string(Duration / 60) + " min " + std::to_string(Duration % 60) + " s";
}

std::string CStatRec::HintsText() const
{
    return std::to_string(Hints);
}

std::string CStatRec::CorrectText() const
{
    return std::to_string(Correct);
}

std::string CStatRec::WrongText() const
{
    return std::to_string(Wrong);
}

int16_t CStatRec::Rating() const
{
    return RatingOf(Correct, Wrong);
}

int16_t CStatRec::RatingOf(int32_t correct, int32_t wrong)
{
    const double c = correct;
    const double w = wrong;
    if (ExactlyAtMost(c, 0.4, w))
        return 1;
    if (ExactlyAbove(w, 0.6, c))
        return 2;
    return 4;
}
