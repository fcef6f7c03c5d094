// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Export and import of voice sets.
#include "voice/VoiceTransfer.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/WaveFile.h"
#include "voice/SoundFileReader.h"
#include "voice/TarArchive.h"
#include "voice/VoiceLibrary.h"
#include "voice/VoiceTake.h"

namespace fs = std::filesystem;

namespace {

const std::string kManifestTitle = "Szeptaczki: nagrania głosu terapeuty, wersja 1";
const char* const kWordTag = "slowo";
const char* const kPhraseTag = "zwrot";
// Far above any voice set (440 recordings of 2.5 s are under 50 MB).
constexpr std::uintmax_t kLargestArchive = 512u * 1024u * 1024u;

void Count(TransferReport& report, const VoiceLibrary::Entry& e)
{
    ++(e.kind == VoiceLibrary::Kind::Word ? report.words : report.phrases);
}

// The entry's file inside the voice folder: "zaba.wav", "Zwroty/g03.wav".
std::string RelativeName(const VoiceLibrary::Entry& e)
{
    return e.file.lexically_relative(CurrentProgramPlaces().voice).generic_string();
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', pos);
        fields.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
        if (tab == std::string::npos)
            return fields;
        pos = tab + 1;
    }
}

// Already in the recording format and no longer than a take may be: kept
// byte for byte.
bool IsFinishedTake(const std::string& bytes)
{
    WaveData wave;
    return ParseWave(bytes, wave) && wave.sampleRate == kRecordingRate && wave.channels == 1 &&
           wave.bitsPerSample == 16 && wave.Frames() > 0 && wave.DurationMs() <= kLongestTakeMs;
}

// Shapes a sound as a take recorded on the screen; false with the reason.
bool ShapeTake(const std::vector<int16_t>& samples, std::string& bytes, std::string& reason)
{
    const ProcessedTake take = ProcessTake(samples);
    if (take.verdict != TakeVerdict::Kept) {
        reason = TakeVerdictText(take.verdict);
        return false;
    }
    bytes = BuildRecordingWave(take.samples);
    return true;
}

}  // namespace

TransferReport ExportVoiceSet(const VoiceLibrary& library, const fs::path& file, int64_t modified)
{
    TransferReport report;
    std::vector<TarFile> files(1);
    files[0].name = std::string(kVoiceManifestName);
    std::string manifest = kManifestTitle + "\n";
    for (const VoiceLibrary::Entry& e : library.Entries()) {
        if (!e.recorded)
            continue;
        TarFile recording;
        recording.name = RelativeName(e);
        if (!ReadWholeFile(e.file, recording.contents)) {
            report.skipped.emplace_back(e.file.string(), "nie można odczytać pliku"_cp);
            continue;
        }
        manifest += std::string(e.kind == VoiceLibrary::Kind::Word ? kWordTag : kPhraseTag) + "\t" + e.key + "\t" +
                    recording.name + "\t" + Cp1250ToUtf8(e.text) + "\n";
        files.push_back(std::move(recording));
        Count(report, e);
    }
    if (files.size() == 1) {
        report.failure = "W folderze "_cp + Utf8ToCp1250(CurrentProgramPlaces().voice.string()) +
                         " nie ma żadnych nagrań: nie ma czego zapisać."_cp;
        return report;
    }
    files[0].contents = manifest;
    if (!WriteFileAtomically(file, BuildTar(files, modified)))
        report.failure = "Nie udało się zapisać pliku "_cp + Utf8ToCp1250(file.string()) +
                         ". Sprawdź, czy folder istnieje i czy na dysku jest miejsce."_cp;
    return report;
}

TransferReport ImportVoiceArchive(VoiceLibrary& library, const fs::path& file)
{
    TransferReport report;
    const std::string name = Utf8ToCp1250(file.string());
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    std::string bytes;
    if (ec || size > kLargestArchive || !ReadWholeFile(file, bytes)) {
        report.failure = "Nie można odczytać pliku "_cp + name + ".";
        return report;
    }
    std::vector<TarFile> files;
    std::string reason;
    if (!ParseTar(bytes, files, reason)) {
        report.failure = "Plik "_cp + name + " nie jest archiwum nagrań: "_cp + reason + ".";
        return report;
    }
    const auto manifest = std::find_if(files.begin(), files.end(), [](const TarFile& f) { return f.name == std::string(kVoiceManifestName); });
    if (manifest == files.end() || manifest->contents.rfind(kManifestTitle, 0) != 0) {
        report.failure = "Plik "_cp + name + " nie jest archiwum nagrań Szeptaczek (brak spisu "_cp + std::string(kVoiceManifestName) + ").";
        return report;
    }
    std::set<std::string> named{std::string(kVoiceManifestName)};
    std::set<int> taken;
    std::size_t pos = manifest->contents.find('\n');
    while (pos != std::string::npos && pos + 1 < manifest->contents.size()) {
        const std::size_t end = manifest->contents.find('\n', pos + 1);
        const std::string line = manifest->contents.substr(pos + 1, end == std::string::npos ? std::string::npos : end - pos - 1);
        pos = end;
        const std::vector<std::string> fields = SplitTabs(line);
        if (line.empty() || fields.size() < 3)
            continue;
        named.insert(fields[2]);
        const bool word = fields[0] == kWordTag;
        const int i = word || fields[0] == kPhraseTag
                          ? library.FindKey(word ? VoiceLibrary::Kind::Word : VoiceLibrary::Kind::Phrase, fields[1])
                          : -1;
        if (i < 0) {
            report.skipped.emplace_back(fields[2], "ten program nie ma słowa ani zwrotu o kluczu \""_cp +
                                                       Utf8ToCp1250(fields[1]) + "\"");
            continue;
        }
        if (!taken.insert(i).second) {
            report.skipped.emplace_back(fields[2], "drugie nagranie tego samego słowa w spisie"_cp);
            continue;
        }
        const auto recording = std::find_if(files.begin(), files.end(), [&](const TarFile& f) { return f.name == fields[2]; });
        if (recording == files.end()) {
            report.skipped.emplace_back(fields[2], "brak tego pliku w archiwum"_cp);
            continue;
        }
        std::string wave = recording->contents;
        if (!IsFinishedTake(wave)) {
            std::vector<int16_t> samples;
            if (!DecodeWave(recording->contents, samples, reason) || !ShapeTake(samples, wave, reason)) {
                report.skipped.emplace_back(fields[2], reason);
                continue;
            }
        }
        if (!library.Keep(static_cast<std::size_t>(i), wave, reason)) {
            report.skipped.emplace_back(fields[2], reason);
            continue;
        }
        Count(report, library.At(static_cast<std::size_t>(i)));
    }
    for (const TarFile& f : files)
        if (!named.count(f.name))
            report.skipped.emplace_back(f.name, "nie ma go w spisie archiwum"_cp);
    return report;
}

TransferReport ImportVoiceFolder(VoiceLibrary& library, const fs::path& folder)
{
    TransferReport report;
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(*it);
    if (ec) {
        report.failure = "Nie można odczytać folderu "_cp + Utf8ToCp1250(folder.string()) + " (" +
                         Utf8ToCp1250(ec.message()) + ").";
        return report;
    }
    std::sort(entries.begin(), entries.end());
    std::set<int> taken;
    for (const fs::directory_entry& entry : entries) {
        const std::string fileName = entry.path().filename().string();
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) {
            report.skipped.emplace_back(fileName, "to nie jest plik"_cp);
            continue;
        }
        const int i = library.Find(entry.path().stem().string());
        if (i < 0) {
            report.skipped.emplace_back(fileName, "nazwa pliku nie jest słowem ani zwrotem programu"_cp);
            continue;
        }
        const VoiceLibrary::Entry& e = library.At(static_cast<std::size_t>(i));
        if (!taken.insert(i).second) {
            report.skipped.emplace_back(fileName, "drugi plik dla tego samego słowa (\""_cp + e.text + "\")");
            continue;
        }
        std::vector<int16_t> samples;
        std::string reason, wave;
        if (!ReadSoundFile(entry.path(), samples, reason) || !ShapeTake(samples, wave, reason) ||
            !library.Keep(static_cast<std::size_t>(i), wave, reason)) {
            report.skipped.emplace_back(fileName, reason);
            continue;
        }
        Count(report, e);
    }
    return report;
}
