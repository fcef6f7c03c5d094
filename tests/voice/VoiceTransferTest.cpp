// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A practice's voice set carried to another computer: as an archive, read
// back byte for byte; as a folder of files named by the words; and damaged
// input that takes nothing away.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/CSlowa.h"
#include "platform/Paths.h"
#include "platform/WaveFile.h"
#include "tests/TestSupport.h"
#include "tests/voice/VoiceTestSupport.h"
#include "voice/VoiceLibrary.h"
#include "voice/VoiceTake.h"
#include "voice/VoiceTransfer.h"

namespace fs = std::filesystem;

namespace {

// A shaped take of a generated word, as the screen keeps it.
std::string KeptTake(const std::string& key)
{
    const ProcessedTake take = ProcessTake(TakeAround(GeneratedWord(key), 0.5, 400, 400, 30));
    return take.verdict == TakeVerdict::Kept ? BuildRecordingWave(take.samples) : std::string();
}

std::string Skipped(const TransferReport& report)
{
    std::string all;
    for (const auto& [file, reason] : report.skipped)
        all += file + ": " + reason + "\n";
    return all;
}

}  // namespace

TEST(VoiceSet, ExportThenImportOnAFreshUserFolderGivesByteIdenticalRecordings)
{
    if (GeneratedWord("zaba").empty())
        GTEST_SKIP() << "no generated data tree beside the program";
    const CSlowa catalogue;
    TempDir elsewhere;
    const fs::path archive = elsewhere.Path() / "glos.tar";
    std::map<std::string, std::string> recorded;  // file in the voice folder -> bytes
    {
        ProgramSandbox practice;
        VoiceLibrary library(catalogue);
        std::string error;
        for (const auto& [kind, key] : {std::pair{VoiceLibrary::Kind::Word, "zaba"}, {VoiceLibrary::Kind::Word, "losss"},
                                        {VoiceLibrary::Kind::Phrase, "g03"}}) {
            const int i = library.FindKey(kind, key);
            ASSERT_GE(i, 0) << key;
            const std::string bytes = KeptTake(kind == VoiceLibrary::Kind::Word ? key : "szalik");
            ASSERT_TRUE(library.Keep(static_cast<std::size_t>(i), bytes, error)) << error;
            recorded[library.At(static_cast<std::size_t>(i)).file.lexically_relative(practice.Root()).generic_string()] =
                bytes;
        }
        const TransferReport out = ExportVoiceSet(library, archive, 1767600000);
        EXPECT_TRUE(out.failure.empty()) << out.failure;
        EXPECT_EQ(out.words, 2);
        EXPECT_EQ(out.phrases, 1);
    }
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_TRUE(recorded.count("Glos/zaba.wav") && recorded.count("Glos/losss.wav") &&
                recorded.count("Glos/Zwroty/g03.wav"));

    ProgramSandbox home;  // a parent's computer: no voice folder yet
    VoiceLibrary library(catalogue);
    const TransferReport in = ImportVoiceArchive(library, archive);
    EXPECT_TRUE(in.failure.empty()) << in.failure;
    EXPECT_TRUE(in.skipped.empty()) << Skipped(in);
    EXPECT_EQ(in.words, 2);
    EXPECT_EQ(in.phrases, 1);
    for (const auto& [file, bytes] : recorded)
        EXPECT_TRUE(home.Dir().Read(file) == bytes) << file;
    EXPECT_EQ(library.Recorded(VoiceLibrary::Kind::Word), 2);

    // Taken in again over the same recordings: the ones replaced go to the
    // waste basket rather than away.
    home.Dir().Write("Glos/zaba.wav", KeptTake("szalik"));
    ASSERT_TRUE(ImportVoiceArchive(library, archive).failure.empty());
    EXPECT_TRUE(home.Dir().Read("Glos/zaba.wav") == recorded["Glos/zaba.wav"]);
    EXPECT_TRUE(home.Dir().Read("Glos/Kosz/zaba.wav") == KeptTake("szalik"));
}

TEST(VoiceSet, DamagedArchivesAndFilesChangeNothingAndAreReported)
{
    if (GeneratedWord("zaba").empty())
        GTEST_SKIP() << "no generated data tree beside the program";
    const CSlowa catalogue;
    ProgramSandbox box;
    VoiceLibrary library(catalogue);
    std::string error;
    ASSERT_TRUE(library.Keep(static_cast<std::size_t>(library.FindKey(VoiceLibrary::Kind::Word, "zaba")),
                             KeptTake("zaba"), error));
    const fs::path archive = box.Root() / "glos.tar";
    ASSERT_TRUE(ExportVoiceSet(library, archive, 0).failure.empty());
    const std::string whole = box.Dir().Read("glos.tar");
    const std::string before = box.Dir().Read("Glos/zaba.wav");

    // Cut short in the middle of a recording, and not an archive at all.
    box.Dir().Write("cut.tar", whole.substr(0, whole.size() / 2));
    box.Dir().Write("other.tar", std::string(4096, 'x'));
    for (const char* name : {"cut.tar", "other.tar", "missing.tar"}) {
        const TransferReport r = ImportVoiceArchive(library, box.Root() / name);
        EXPECT_FALSE(r.failure.empty()) << name;
        EXPECT_EQ(r.words, 0) << name;
    }
    EXPECT_TRUE(box.Dir().Read("Glos/zaba.wav") == before);

    // A folder brought from an audio editor: any case, several sample
    // layouts; names that are no word, damaged and silent files, a folder.
    const std::vector<int16_t> voice = TakeAround(GeneratedWord("szalik"), 0.5, 300, 300, 20);
    TempDir folder;
    folder.Write("Szalik.WAV", WaveBytes(voice, 22050, 1, "pcm24"));
    folder.Write("łoś.wav", WaveBytes(voice, 22050, 2, "float32"));
    folder.Write("brawo.wav", WaveBytes(voice, 22050, 1, "pcm16"));
    folder.Write("szalik.wav", WaveBytes(voice, 22050, 1, "pcm16"));
    folder.Write("pies i kot.wav", WaveBytes(voice, 22050, 1, "pcm16"));
    folder.Write("sowa.wav", "RIFF\x10\0\0\0WAVEfmt junk");
    folder.Write("osa.wav", WaveBytes(std::vector<int16_t>(22050, 0), 22050, 1, "pcm16"));
    folder.Write("stare/zupa.wav", WaveBytes(voice, 22050, 1, "pcm16"));
    const TransferReport r = ImportVoiceFolder(library, folder.Path());
    EXPECT_TRUE(r.failure.empty()) << r.failure;
    EXPECT_EQ(r.words, 2) << Skipped(r);  // Szalik.WAV, łoś.wav
    EXPECT_EQ(r.phrases, 1) << Skipped(r);  // brawo.wav: "Brawo!"
    const std::string skipped = Skipped(r);
    for (const char* name : {"szalik.wav", "pies i kot.wav", "sowa.wav", "osa.wav", "stare"})
        EXPECT_NE(skipped.find(std::string(name) + ": "), std::string::npos) << name << "\n" << skipped;
    EXPECT_EQ(r.skipped.size(), 5u) << skipped;
    EXPECT_TRUE(fs::is_regular_file(box.Root() / "Glos" / "losss.wav"));
    EXPECT_TRUE(fs::is_regular_file(box.Root() / "Glos" / "Zwroty" / "g00.wav"));
    // Each taken file is shaped as a take from the screen is.
    WaveData kept;
    ASSERT_TRUE(LoadWaveFile(box.Root() / "Glos" / "szalik.wav", kept));
    EXPECT_EQ(kept.sampleRate, kRecordingRate);
    EXPECT_EQ(kept.channels, 1);
    EXPECT_LT(kept.DurationMs(), static_cast<int>(voice.size() * 1000 / kRecordingRate) - 400);
}

TEST(VoiceSet, TheCommandLineSharesASetBetweenTwoUserFoldersAndNamesWhatItPassedOver)
{
    if (ProgramPath().empty() || GeneratedWord("zaba").empty())
        GTEST_SKIP() << "no program or no generated data tree";
    TempDir practice, home, folder;
    const auto run = [](const std::string& args, const TempDir& dir) { return RunProgram(args, dir.Path()); };
    const auto quoted = [](const fs::path& p) { return "'" + p.string() + "'"; };
    folder.Write("Żaba.wav", WaveBytes(TakeAround(GeneratedWord("zaba"), 0.5, 300, 300, 20), 22050, 1, "pcm16"));
    ASSERT_EQ(run("--root . glos --import " + quoted(folder.Path()), practice).status, 0);
    ASSERT_EQ(run("--root . glos --eksport glos.tar", practice).status, 0);  // relative to where it was started
    ASSERT_EQ(run("--root . glos --import " + quoted(practice.Path() / "glos.tar"), home).status, 0);
    EXPECT_TRUE(home.Read("Glos/zaba.wav") == practice.Read("Glos/zaba.wav"));
    EXPECT_FALSE(practice.Read("Glos/zaba.wav").empty());

    // A file it cannot use: the rest is taken, the file named, the status 1.
    folder.Write("kot.wav", "not a sound");
    const ProgramResult partial = run("--root . glos --import " + quoted(folder.Path()), home);
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.errors.find("kot.wav"), std::string::npos) << partial.errors;
    // A voice folder that cannot be made (a file stands in its way): nothing
    // is taken, every file is named, no crash.
    TempDir blocked;
    blocked.Write("Glos", "");
    const ProgramResult refused = run("--root . glos --import " + quoted(practice.Path() / "glos.tar"), blocked);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("zaba.wav"), std::string::npos) << refused.errors;
    EXPECT_EQ(run("--root . glos", home).status, 2);
}
