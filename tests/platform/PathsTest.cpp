#include <gtest/gtest.h>

#include "graphics/Universalfn.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

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

TEST(WriteFileAtomically, ReplacesTheFileOrLeavesItAsItWas)
{
    TempDir dir;
    const fs::path file = dir.Path() / "a.ini";
    ASSERT_TRUE(WriteFileAtomically(file, "one"));
    ASSERT_TRUE(WriteFileAtomically(file, "two"));
    EXPECT_EQ(dir.Read("a.ini"), "two");
    EXPECT_FALSE(WriteFileAtomically(dir.Path() / "missing" / "a.ini", "x"));
    EXPECT_FALSE(fs::exists(dir.Path() / "a.ini.tmp"));
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
}
