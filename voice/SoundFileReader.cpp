// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Wave decoding for imported recordings, and sox for the other formats.
#include "voice/SoundFileReader.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <random>
#include <system_error>

#include "platform/ExternalProgram.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/WaveFile.h"

namespace fs = std::filesystem;

namespace {

// Far beyond a word in any format (ten minutes of 48 kHz stereo 32-bit float),
// small enough that a damaged size field cannot exhaust the memory.
constexpr std::uintmax_t kLargestFile = 256u * 1024u * 1024u;

enum class SampleKind { Integer, Float };

struct Format {
    SampleKind kind = SampleKind::Integer;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

uint32_t Le32(const std::string& b, std::size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

uint16_t Le16(const std::string& b, std::size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

// One sample at p as a value in -1..1 (floating-point samples may lie beyond).
double SampleAt(const char* p, const Format& f)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    if (f.kind == SampleKind::Float) {
        if (f.bits == 32) {
            uint32_t bits = static_cast<uint32_t>(u[0]) | static_cast<uint32_t>(u[1]) << 8 |
                            static_cast<uint32_t>(u[2]) << 16 | static_cast<uint32_t>(u[3]) << 24;
            float v;
            std::memcpy(&v, &bits, 4);
            return std::isfinite(v) ? v : 0.0;
        }
        uint64_t bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = bits << 8 | u[i];
        double v;
        std::memcpy(&v, &bits, 8);
        return std::isfinite(v) ? v : 0.0;
    }
    switch (f.bits) {
    case 8:
        return (u[0] - 128) / 128.0;
    case 16:
        return static_cast<int16_t>(u[0] | u[1] << 8) / 32768.0;
    case 24: {
        int32_t v = u[0] | u[1] << 8 | u[2] << 16;
        if (v & 0x800000)
            v -= 0x1000000;
        return v / 8388608.0;
    }
    default:
        return static_cast<int32_t>(static_cast<uint32_t>(u[0]) | static_cast<uint32_t>(u[1]) << 8 |
                                    static_cast<uint32_t>(u[2]) << 16 | static_cast<uint32_t>(u[3]) << 24) /
               2147483648.0;
    }
}

bool ReadFormat(const std::string& bytes, std::size_t body, uint32_t size, Format& f, std::string& reason)
{
    if (size < 16 || body + 16 > bytes.size()) {
        reason = "uszkodzony opis formatu"_cp;
        return false;
    }
    uint16_t tag = Le16(bytes, body);
    // The extensible layout names its sample format in the first bytes of a sub-format field.
    if (tag == 0xFFFE && size >= 40 && body + 40 <= bytes.size())
        tag = Le16(bytes, body + 24);
    f.channels = Le16(bytes, body + 2);
    f.rate = static_cast<int>(std::min<uint32_t>(Le32(bytes, body + 4), 1000000));
    const uint16_t align = Le16(bytes, body + 12);
    f.bits = Le16(bytes, body + 14);
    if (tag == 1 && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32)) {
        f.kind = SampleKind::Integer;
    } else if (tag == 3 && (f.bits == 32 || f.bits == 64)) {
        f.kind = SampleKind::Float;
    } else {
        reason = "nieobsługiwany rodzaj próbek (kod "_cp + std::to_string(tag) + ", " + std::to_string(f.bits) +
                 " bitów)"_cp;
        return false;
    }
    if (f.channels < 1 || f.channels > 32 || f.rate < 1000 || f.rate > 384000 || align != f.channels * f.bits / 8) {
        reason = "niemożliwy format ("_cp + std::to_string(f.channels) + " kanałów, "_cp + std::to_string(f.rate) +
                 " Hz)";
        return false;
    }
    return true;
}

// Mono samples at the recording rate. Going down in rate, each output sample
// is the mean of the input samples it stands for, so that the pitch of a
// hiss above the new limit does not fold back into the speech.
std::vector<int16_t> ToRecordingRate(const std::vector<double>& mono, int rate)
{
    std::vector<double> in = mono;
    if (rate > kRecordingRate) {
        const auto width = static_cast<std::size_t>(std::ceil(static_cast<double>(rate) / kRecordingRate));
        std::vector<double> averaged(in.size());
        double sum = 0;
        for (std::size_t i = 0; i < in.size(); ++i) {
            sum += in[i];
            if (i >= width)
                sum -= in[i - width];
            averaged[i] = sum / static_cast<double>(std::min(i + 1, width));
        }
        in = std::move(averaged);
    }
    const auto count = static_cast<std::size_t>(static_cast<double>(in.size()) * kRecordingRate / rate);
    std::vector<int16_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = static_cast<double>(i) * rate / kRecordingRate;
        const auto k = static_cast<std::size_t>(at);
        const double a = in[std::min(k, in.size() - 1)];
        const double b = in[std::min(k + 1, in.size() - 1)];
        const double v = (a + (b - a) * (at - static_cast<double>(k))) * 32768.0;
        out[i] = static_cast<int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
    }
    return out;
}

// A file of our own in the system's temporary folder for sox to write.
fs::path ConvertedFileName()
{
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device{}();  // apart from another copy's files
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec);
    return (ec ? fs::path(".") : dir) /
           ("szeptaczki-import-" + std::to_string(run) + "-" + std::to_string(++counter) + ".wav");
}

bool ReadThroughSox(const fs::path& file, std::vector<int16_t>& samples, std::string& reason)
{
    if (!ProgramInstalled("sox")) {
        reason += "; inne formaty odczytuje program sox, którego tu nie ma (pakiet sox)"_cp;
        return false;
    }
    const fs::path converted = ConvertedFileName();
    std::string errors;
    const int status = RunExternalProgram(
        "sox", {"-q", file.string(), "-t", "wav", "-e", "signed-integer", "-b", "16", "-c", "1", "-r",
                std::to_string(kRecordingRate), converted.string()},
        errors);
    std::string bytes;
    const bool read = status == 0 && ReadWholeFile(converted, bytes);
    std::error_code ec;
    fs::remove(converted, ec);
    if (!read) {
        while (!errors.empty() && (errors.back() == '\n' || errors.back() == '\r'))
            errors.pop_back();
        const std::size_t lastLine = errors.rfind('\n');
        reason = "sox nie odczytał pliku"_cp + (errors.empty() ? "" : " (" + Utf8ToCp1250(errors.substr(lastLine == std::string::npos ? 0 : lastLine + 1)) + ")");
        return false;
    }
    std::string unused;
    if (!DecodeWave(bytes, samples, unused)) {
        reason = "sox nie odczytał pliku"_cp;
        return false;
    }
    return true;
}

}  // namespace

bool DecodeWave(const std::string& bytes, std::vector<int16_t>& samples, std::string& reason)
{
    WaveChunks chunks;
    if (!FindWaveChunks(bytes, chunks)) {
        const bool riff = bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0;
        reason = riff ? "brak opisu formatu albo danych dźwięku (plik uszkodzony?)"_cp : "to nie jest plik WAV"_cp;
        return false;
    }
    Format format;
    if (!ReadFormat(bytes, chunks.format, chunks.formatSize, format, reason))
        return false;
    const std::size_t frameBytes = static_cast<std::size_t>(format.channels * format.bits / 8);
    const std::size_t frames = chunks.dataSize / frameBytes;
    if (frames == 0) {
        reason = "plik nie zawiera dźwięku"_cp;
        return false;
    }
    std::vector<double> mono(frames);
    const std::size_t sampleBytes = static_cast<std::size_t>(format.bits / 8);
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0;
        for (int c = 0; c < format.channels; ++c)
            sum += SampleAt(bytes.data() + chunks.data + f * frameBytes + static_cast<std::size_t>(c) * sampleBytes,
                            format);
        mono[f] = sum / format.channels;
    }
    samples = ToRecordingRate(mono, format.rate);
    return true;
}

bool ReadSoundFile(const fs::path& file, std::vector<int16_t>& samples, std::string& reason)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        reason = "nie można odczytać pliku ("_cp + Utf8ToCp1250(ec.message()) + ")";
        return false;
    }
    if (size > kLargestFile) {
        reason = "plik jest za duży na nagranie słowa"_cp;
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) {
        reason = "nie można odczytać pliku"_cp;
        return false;
    }
    if (DecodeWave(bytes, samples, reason))
        return true;
    return ReadThroughSox(file, samples, reason);
}
