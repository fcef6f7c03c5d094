// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "tests/TestSupport.h"

TEST(IniFile, ReadsNamesWithoutRegardToCaseAndWritesWithoutSpaces)
{
    TempDir dir;
    dir.Write("a.ini", "[DaneProgramu]\nLU = 5\nZakladka=3\n");
    CIniFile ini(dir.Path() / "a.ini");
    EXPECT_EQ(ini.ReadInteger("daneprogramu", "lu", 0), 5);
    EXPECT_EQ(ini.ReadInteger("DaneProgramu", "Zakladka", 0), 3);
    ini.WriteInteger("Pociag", "Gloski", 1);
    ASSERT_TRUE(ini.UpdateFile());
    const std::string text = dir.Read("a.ini");
    EXPECT_NE(text.find("Gloski=1"), std::string::npos);
    EXPECT_NE(text.find("LU=5"), std::string::npos);
}

TEST(IniFile, JunkNumbersReadAsTheDefault)
{
    TempDir dir;
    dir.Write("a.ini", "[s]\na=abc\nb=99999999999\nc=-7\nd=\ne=12x\nf=$1F\n\x01\xff\xfe=\x80\n");
    CIniFile ini(dir.Path() / "a.ini");
    EXPECT_EQ(ini.ReadInteger("s", "a", 4), 4);
    EXPECT_EQ(ini.ReadInteger("s", "b", 4), 4);
    EXPECT_EQ(ini.ReadInteger("s", "c", 4), -7);
    EXPECT_EQ(ini.ReadInteger("s", "d", 4), 4);
    EXPECT_EQ(ini.ReadInteger("s", "e", 4), 4);
    EXPECT_EQ(ini.ReadInteger("s", "f", 4), 31);
    EXPECT_EQ(ini.ReadInteger("missing", "a", 9), 9);
}

TEST(IniFile, KeepsCp1250TextAsItIs)
{
    TempDir dir;
    {
        CIniFile ini(dir.Path() / "r.ini");
        ini.WriteString("1", "Nazwa", "Zo\x9C" "ka");
        ASSERT_TRUE(ini.UpdateFile());
    }
    CIniFile again(dir.Path() / "r.ini");
    EXPECT_EQ(again.ReadString("1", "nazwa", ""), "Zo\x9C" "ka");
}

TEST(IniFile, ReadsPastANulByteAndKeepsTheDamagedOriginalBeforeWriting)
{
    TempDir dir;
    const std::string original = std::string("[A]\nx=1\n") + '\0' + "\n[B]\ny=2\nz=3" + '\0' + "junk\n[C]\nw=4\n";
    dir.Write("a.ini", original);
    CIniFile ini(dir.Path() / "a.ini");
    EXPECT_TRUE(ini.Damaged());
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("B", "y", 0), 2);
    EXPECT_EQ(ini.ReadInteger("B", "z", 0), 3);
    EXPECT_EQ(ini.ReadInteger("C", "w", 0), 4);
    ini.WriteInteger("A", "x", 5);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(dir.Read("a.ini.uszkodzony"), original);
    const std::string written = dir.Read("a.ini");
    EXPECT_EQ(written.find('\0'), std::string::npos);
    EXPECT_NE(written.find("x=5"), std::string::npos);
    EXPECT_NE(written.find("w=4"), std::string::npos);
    EXPECT_FALSE(ini.Damaged());

    // A second damage never overwrites the first kept original.
    dir.Write("a.ini", std::string("[A]\0", 4));
    CIniFile again(dir.Path() / "a.ini");
    ASSERT_TRUE(again.UpdateFile());
    EXPECT_EQ(dir.Read("a.ini.uszkodzony"), original);
    EXPECT_EQ(dir.Read("a.ini.uszkodzony2"), std::string("[A]\0", 4));

    // A sound file is left alone.
    CIniFile sound(dir.Path() / "a.ini");
    EXPECT_FALSE(sound.Damaged());
    ASSERT_TRUE(sound.UpdateFile());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "a.ini.uszkodzony3"));
}

TEST(IniFile, AFileThatCannotBeReadIsNeverReplaced)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "record.xtr" / "inside");
    CIniFile ini(dir.Path() / "record.xtr");
    EXPECT_TRUE(ini.Damaged());
    ini.WriteString("Nagranie0", "Nazwa", "Ola");
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "record.xtr" / "inside"));
}

TEST(IniFile, ASectionHeaderWithoutItsBracketIsClosedAtTheLineEndAndTheFileStopsGrowing)
{
    TempDir dir;
    const std::string damaged = "[Pociag]\nGloski=3\n[Memory3\r\nGloski=7\nPoziom=2\n[Widlak]\nGloski=5\n";
    dir.Write("data.ini", damaged);
    std::size_t sizeAfterFirstSave = 0;
    for (int run = 0; run < 3; ++run) {
        CIniFile ini(dir.Path() / "data.ini");
        EXPECT_EQ(ini.Damaged(), run == 0);
        EXPECT_EQ(ini.ReadInteger("Memory3", "Gloski", 0), 7) << run;
        EXPECT_EQ(ini.ReadInteger("Memory3", "Poziom", 0), 2) << run;
        EXPECT_EQ(ini.ReadInteger("Widlak", "Gloski", 0), 5) << run;
        ini.WriteInteger("Memory3", "Gloski", 7);
        ASSERT_TRUE(ini.UpdateFile());
        if (run == 0)
            sizeAfterFirstSave = dir.Read("data.ini").size();
        EXPECT_EQ(dir.Read("data.ini").size(), sizeAfterFirstSave) << run;
    }
    EXPECT_EQ(dir.Read("data.ini.uszkodzony"), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "data.ini.uszkodzony2"));
}
