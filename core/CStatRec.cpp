// The statistics object and the statistics file "prgst6.stt": a 20-byte header,
// then 44-byte game records, little-endian and without padding.
#include "core/CStatRec.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>

#include "core/CBlad.h"
#include "core/CUstGry.h"
#include "core/StatisticsFile.h"
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
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        return true;
    if (std::filesystem::exists(file, ec))
        return false;  // something else by that name: nothing to append to
    const std::string header = EncodeStatHeader(ProgramNumber, TheClock().UniversalTime());
    // All or nothing: a half-written header would spoil every later record.
    WriteFileAtomically(file, header);
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
    std::FILE* out = OpenFile(file, "r+b");
    if (!out)
        return false;
    if (std::fseek(out, 0, SEEK_END) != 0) {
        std::fclose(out);
        return false;
    }
    const long before = std::ftell(out);
    bool ok = before >= 0 && std::fwrite(record.data(), 1, record.size(), out) == record.size();
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    if (!ok && before >= 0) {
        // A partial record would shift every later one: take it back.
        std::error_code ec;
        if (std::filesystem::file_size(file, ec) != static_cast<std::uintmax_t>(before) && !ec)
            std::filesystem::resize_file(file, static_cast<std::uintmax_t>(before), ec);
    }
    return ok;
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
