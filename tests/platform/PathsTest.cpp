// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "graphics/Universalfn.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

namespace fs = std::filesystem;

TEST(NativePath, MatchesEachComponentWithoutRegardToCase)
{
    ProgramSandbox box;
    box.Dir().Write("data/SMD/Zaba.PW", "x");
    EXPECT_EQ(NativePath("Data\\Smd\\zaba.pw"), box.Root() / "data" / "SMD" / "Zaba.PW");
    EXPECT_TRUE(FileExists("DATA\\smd\\ZABA.pw"));
    EXPECT_TRUE(DirectoryExists("Data\\Smd"));
    EXPECT_FALSE(FileExists("Data\\Smd\\kot.pw"));
    // Missing components are kept as written.
    EXPECT_EQ(NativePath("Data\\Nowe\\a.txt"), box.Root() / "data" / "Nowe" / "a.txt");
}

TEST(NativePath, ConvertsPolishNamesToUtf8)
{
    ProgramSandbox box;
    box.Dir().Write("Raport zasobów.txt", "x");
    EXPECT_TRUE(FileExists("RAPORT ZASOBÓW.TXT"_cp));
}

TEST(WriteFileAtomically, ReplacesTheFileOrLeavesItAsItWasAndKeepsItsMode)
{
    TempDir dir;
    const fs::path file = dir.Path() / "a.ini";
    ASSERT_TRUE(WriteFileAtomically(file, "one"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(file, "two"));
    EXPECT_EQ(dir.Read("a.ini"), "two");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    FileProblem problem = FileProblem::None;
    EXPECT_FALSE(WriteFileAtomically(dir.Path() / "missing" / "a.ini", "x", &problem));
    EXPECT_EQ(problem, FileProblem::Other);
    {
        const FileSizeLimit full(2);
        EXPECT_FALSE(WriteFileAtomically(file, "three", &problem));
    }
    EXPECT_EQ(problem, FileProblem::DiskFull);
    EXPECT_EQ(dir.Read("a.ini"), "two");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(WriteFileAtomically, TwoWritersAtOnceLeaveOneWholeFile)
{
    // Two copies of the program saving the same file at the same moment:
    // each write has a temporary file of its own.
    TempDir dir;
    const fs::path file = dir.Path() / "data.ini";
    const std::string a(1 << 20, 'a'), b(1 << 20, 'b');
    for (int round = 0; round < 10; ++round) {
        std::thread other([&] { WriteFileAtomically(file, b); });
        WriteFileAtomically(file, a);
        other.join();
        const std::string result = dir.Read("data.ini");
        ASSERT_TRUE(result == a || result == b) << "round " << round << ": a mixture of " << result.size() << " bytes";
    }
}

TEST(RemoveStaleTemporaries, RemovesWhatKilledWritesLeftOfOurFilesOnly)
{
    TempDir dir;
    // Left an hour ago; one made just now may be another copy's write that
    // has not locked it yet.
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"data.ini.tmp", "data.ini.tmp.4242.7", "record.xtr.tmp", "notes.txt.tmp", "data.ini",
                             "record.xtr.tmp.1.1"}) {
        dir.Write(name, "x");
        fs::last_write_time(dir.Path() / name, anHourAgo);
    }
    dir.Write("data.ini.tmp.7.7", "just made");
    // A write in progress holds its temporary file.
    const int busy = ::open((dir.Path() / "record.xtr.tmp.1.1").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    RemoveStaleTemporaries(dir.Path(), [](const std::string& name) { return name != "notes.txt"; });
    ::close(busy);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"data.ini", "data.ini.tmp.7.7", "notes.txt.tmp", "record.xtr.tmp.1.1"}));
}

TEST(ListFiles, ListsHiddenFilesButNotFoldersAndHonoursMasks)
{
    ProgramSandbox box;
    box.Dir().Write("Smd/a.pw", "");
    box.Dir().Write("Smd/.hidden", "");
    box.Dir().Write("Smd/B.PW", "");
    box.Dir().Write("Smd/sub/c.pw", "");
    std::vector<std::string> all, pw;
    ListFiles("Smd", "*.*", all);
    ListFiles("Smd\\", "*.pw", pw);
    std::sort(all.begin(), all.end());
    std::sort(pw.begin(), pw.end());
    EXPECT_EQ(all, (std::vector<std::string>{".hidden", "B.PW", "a.pw"}));
    EXPECT_EQ(pw, (std::vector<std::string>{"B.PW", "a.pw"}));
}

TEST(Universalfn, TextHelpers)
{
    EXPECT_EQ(UpperPolish("abecadło żółć"_cp), "ABECADŁO ŻÓŁĆ"_cp);
    EXPECT_EQ(IntToStrPad(7, 2), "07");
    EXPECT_EQ(IntToStrPad(123, 2), "123");
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("Data"), "Data\\");
    EXPECT_EQ(AddBackslash("Data\\"), "Data\\");
    EXPECT_TRUE(MatchesMask("ABECADLO.XBI", "*.xbi"));
    EXPECT_TRUE(MatchesMask("noext", "*.*"));
    EXPECT_FALSE(MatchesMask("a.xji", "*.xbi"));
    EXPECT_TRUE(MatchesMask("g07.pw", "g??.pw"));
}

TEST(ReadWholeFile, ReportsFoldersAndMissingFilesByItsResult)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "record.xtr");
    std::string contents = "kept";
    EXPECT_FALSE(ReadWholeFile(dir.Path() / "record.xtr", contents));
    EXPECT_FALSE(ReadWholeFile(dir.Path() / "missing.ini", contents));
    EXPECT_EQ(contents, "kept");
    const std::string bytes("a\0b\xff", 4);
    dir.Write("a.bin", bytes);
    ASSERT_TRUE(ReadWholeFile(dir.Path() / "a.bin", contents));
    EXPECT_EQ(contents, bytes);
    dir.Write("empty", "");
    ASSERT_TRUE(ReadWholeFile(dir.Path() / "empty", contents));
    EXPECT_EQ(contents, "");

    // A named pipe is refused at once, not waited on for a writer.
    ASSERT_EQ(::mkfifo((dir.Path() / "pipe.ini").c_str(), 0600), 0);
    auto read = std::async(std::launch::async, [&] {
        std::string piped;
        return ReadWholeFile(dir.Path() / "pipe.ini", piped);
    });
    const bool answered = read.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!answered) {
        // Let the stuck reader go before failing.
        const int writer = ::open((dir.Path() / "pipe.ini").c_str(), O_WRONLY);
        ::close(writer);
    }
    EXPECT_TRUE(answered);
    EXPECT_FALSE(read.get());
}
