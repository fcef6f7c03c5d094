// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the word and sound half of the default data tree under a root folder.
#include "tools/datagen/DataTree.h"

#include <fstream>
#include <set>
#include <stdexcept>

#include "core/FeedbackPhrases.h"
#include "tools/datagen/Music.h"
#include "tools/datagen/ParallelFor.h"
#include "tools/datagen/PictureFiles.h"
#include "tools/datagen/Speech.h"
#include "tools/datagen/WordPainter.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSmallDir = fs::path("Data") / "exio200b";
const fs::path kLargeDir = fs::path("Data") / "exio400j";
const fs::path kWordSoundDir = fs::path("Data") / "Smd";
const fs::path kInterfaceSoundDir = fs::path("Data") / "Intf" / "Smd";

// A plain write: the tree is only marked complete once every file is in place,
// so an interrupted run is simply made again.
void Write(const fs::path& file, const std::string& bytes)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

// Model words for a child practising sounds: espeak-ng's slowest speed, and
// the sibilant's hiss half as long again, so that it can be heard and copied.
SpeechVoice ModelWordVoice()
{
    return SpeechVoice{80, 50, 1.5};
}

// "g07.pw": the kind's letter and two digits. Built by appending, since GCC 12
// at -O3 warns falsely (-Wrestrict) where a literal is put before a string.
std::string FeedbackFileName(char kind, int n)
{
    std::string name(1, kind);
    name += static_cast<char>('0' + n / 10);
    name += static_cast<char>('0' + n % 10);
    name += ".pw";
    return name;
}

}  // namespace

fs::path SmallPicturePath(const std::string& key)
{
    return kSmallDir / (key + ".xbi");
}

fs::path LargePicturePath(const std::string& key)
{
    return kLargeDir / (key + ".xji");
}

fs::path RecordingPath(const std::string& key)
{
    return kWordSoundDir / (key + ".pw");
}

PictureCounts WriteWordPictures(const fs::path& root, const std::vector<DatagenWord>& words, unsigned threads)
{
    std::vector<PictureKind> kinds(words.size(), PictureKind::Caption);
    std::vector<char> written(words.size(), 0);
    ParallelFor(
        words.size(), threads, [] { return WordPainter(); },
        [&](const WordPainter& painter, std::size_t i) {
            const DatagenWord& word = words[i];
            const Bitmap small = painter.Paint(word, PictureSize::Small, kinds[i]);
            const Bitmap large = painter.Paint(word, PictureSize::Large, kinds[i]);
            const std::string smallBytes = SmallPictureFile(small);
            const std::string largeBytes = LargePictureFile(large);
            if (smallBytes.empty() || largeBytes.empty())
                return;
            Write(root / SmallPicturePath(word.key), smallBytes);
            Write(root / LargePicturePath(word.key), largeBytes);
            written[i] = 1;
        });
    PictureCounts counts;
    for (std::size_t i = 0; i < words.size(); ++i) {
        counts.written += written[i];
        switch (kinds[i]) {
        case PictureKind::Emoji: ++counts.emoji; break;
        case PictureKind::Drawing: ++counts.drawing; break;
        case PictureKind::Caption: ++counts.caption; break;
        }
    }
    return counts;
}

void WriteWordRecordings(const fs::path& root, const std::vector<DatagenWord>& words, unsigned threads)
{
    ParallelFor(
        words.size(), threads, [] { return ModelWordVoice(); },
        [&](const SpeechVoice& voice, std::size_t i) {
            Write(root / RecordingPath(words[i].key), SpokenWave(words[i].spelling, voice));
        });
}

void WriteFeedbackRecordings(const fs::path& root, unsigned threads)
{
    struct Job {
        std::string name;
        std::string text;
        SpeechVoice voice;
    };
    std::vector<Job> jobs;
    // Praise sounds bright and a little quicker; reproach calm and kind. The
    // pitch moves a bit from phrase to phrase so that repeats sound less mechanical.
    for (int i = 0; i < kPraiseCount; ++i)
        jobs.push_back({FeedbackFileName('g', i), PraisePhrases()[i], {150, 62 + (i % 4) * 4}});
    for (int i = 0; i < kReproachCount; ++i)
        jobs.push_back({FeedbackFileName('b', i), ReproachPhrases()[i], {130, 52 + (i % 3) * 3}});
    ParallelFor(
        jobs.size(), threads, [] { return 0; },
        [&](int, std::size_t i) { Write(root / kInterfaceSoundDir / jobs[i].name, SpokenWave(jobs[i].text, jobs[i].voice)); });
}

void WriteMusic(const fs::path& root)
{
    Write(root / kInterfaceSoundDir / "music.wav", MusicWave());
}

std::vector<fs::path> SurplusWordFiles(const fs::path& root, const std::vector<DatagenWord>& words)
{
    std::set<fs::path> expected;
    for (const DatagenWord& w : words) {
        expected.insert(SmallPicturePath(w.key));
        expected.insert(LargePicturePath(w.key));
        expected.insert(RecordingPath(w.key));
    }
    std::vector<fs::path> surplus;
    for (const fs::path& dir : {kSmallDir, kLargeDir, kWordSoundDir}) {
        std::error_code ec;
        for (const fs::directory_entry& e : fs::directory_iterator(root / dir, ec)) {
            if (!expected.contains(dir / e.path().filename()))
                surplus.push_back(root / dir / e.path().filename());
        }
    }
    return surplus;
}
