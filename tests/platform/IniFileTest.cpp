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
