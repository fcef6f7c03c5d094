// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// szeptaczki-datagen: makes the default data tree beside the program, so that
// a fresh checkout runs as a finished game. Everything is made on this machine.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/CSlowa.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "tools/datagen/ContactSheet.h"
#include "tools/datagen/DataTree.h"
#include "tools/datagen/ParallelFor.h"
#include "tools/datagen/ProgramIcon.h"
#include "tools/datagen/WordSource.h"

#if SZ_DATAGEN_HAVE_INTERFACE
#include "tools/datagen/InterfaceArt.h"
#endif

namespace fs = std::filesystem;

namespace {

const fs::path kStamp = fs::path("Data") / ".generated";

int Usage()
{
    std::fprintf(stderr,
                 "usage: szeptaczki-datagen OUTDIR\n"
                 "         writes the default data tree under OUTDIR (OUTDIR/Data, OUTDIR/RESOURCE)\n"
                 "         and the desktop icons (OUTDIR/icons)\n"
                 "       szeptaczki-datagen --contact-sheets FOLDER [KEY...]\n"
                 "         draws every word picture (or the named ones) as each game shows it,\n"
                 "         in every display mode, on PNG pages in FOLDER\n");
    return 2;
}

double SecondsSince(int64_t startMs)
{
    return static_cast<double>(TheClock().Milliseconds() - startMs) / 1000.0;
}

int Generate(const fs::path& outDir)
{
    const fs::path root = fs::absolute(outDir);
    const int64_t start = TheClock().Milliseconds();
    const unsigned threads = WorkerCount();
    const bool madeBefore = fs::exists(root / kStamp);
    // The stamp goes first and comes back last: a tree without it is incomplete.
    std::error_code ec;
    fs::remove(root / kStamp, ec);
    fs::create_directories(root / "Data", ec);

    const std::vector<DatagenWord> words = CatalogueWords();
    bool complete = true;

    const PictureCounts pictures = WriteWordPictures(root, words, threads);
    std::printf("word pictures: %d of %zu show the thing (%d emoji, %d drawings), %d word cards\n",
                pictures.emoji + pictures.drawing, words.size(), pictures.emoji, pictures.drawing, pictures.caption);
    if (pictures.written != static_cast<int>(words.size())) {
        std::fprintf(stderr, "word pictures NOT written: the picture encoders failed\n");
        complete = false;
    }

    WriteWordRecordings(root, words, threads);
    std::printf("word recordings: %zu\n", words.size());
    WriteFeedbackRecordings(root, threads);
    std::printf("praise and reproach recordings: written\n");
    WriteMusic(root);
    std::printf("music: written\n");

#if SZ_DATAGEN_HAVE_INTERFACE
    GenerateInterface(root);
    const char* interfaceNote = "interface art: written\n";
#else
    // Not a failure of this run: the generator is built without its interface
    // half. Once that half is built in, the newer generator makes the tree again.
    const char* interfaceNote = "interface art: not in this build of the generator\n";
    std::fprintf(stderr, "interface art NOT written: this build has no interface generator\n");
#endif

    WriteProgramIcons(root);
    std::printf("desktop icons: written\n");

    // Files left by an earlier run of ours that belong to no word would be
    // reported as surplus by the program; files we did not make are left alone.
    for (const fs::path& extra : SurplusWordFiles(root, words)) {
        if (madeBefore) {
            fs::remove(extra, ec);
        } else {
            std::fprintf(stderr, "warning: %s belongs to no word\n", extra.c_str());
        }
    }

    // The program's own resource check must find every word file and nothing more.
    SetProgramDir(root);
    std::vector<std::string> report;
    if (!CSlowa().CheckResources(report)) {
        constexpr std::size_t kShown = 12;
        for (std::size_t i = 0; i < report.size() && i < kShown; ++i)
            std::fprintf(stderr, "%s\n", Cp1250ToUtf8(report[i]).c_str());
        if (report.size() > kShown)
            std::fprintf(stderr, "... and %zu more lines of the resource check\n", report.size() - kShown);
        complete = false;
    }

    std::printf("data tree under %s made in %.1f s\n", root.c_str(), SecondsSince(start));
    if (!complete) {
        std::fprintf(stderr, "the data tree is incomplete; it will be made again next time\n");
        return 1;
    }
    std::ofstream stamp(root / kStamp, std::ios::trunc);
    stamp << "made by szeptaczki-datagen\n" << interfaceNote;
    stamp.close();
    if (!stamp)
        throw std::runtime_error("cannot write " + (root / kStamp).string());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc >= 3 && std::string(argv[1]) == "--contact-sheets") {
            std::vector<DatagenWord> words = CatalogueWords();
            if (argc > 3) {
                std::vector<DatagenWord> chosen;
                for (int a = 3; a < argc; ++a) {
                    const auto it = std::find_if(words.begin(), words.end(),
                                                 [&](const DatagenWord& w) { return w.key == argv[a]; });
                    if (it == words.end()) {
                        std::fprintf(stderr, "szeptaczki-datagen: no word %s\n", argv[a]);
                        return 2;
                    }
                    chosen.push_back(*it);
                }
                words = std::move(chosen);
            }
            const auto pages = WriteContactSheets(argv[2], words, WorkerCount());
            std::printf("%zu contact sheets of %zu words in %s\n", pages.size(), words.size(), argv[2]);
            return 0;
        }
        if (argc != 2 || argv[1][0] == '-')
            return Usage();
        return Generate(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "szeptaczki-datagen: %s\n", e.what());
        return 1;
    }
}
