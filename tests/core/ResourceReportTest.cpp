// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/CSlowa.h"
#include "core/Szeptaczki.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tests/core/CoreTestSupport.h"

namespace fs = std::filesystem;

namespace {

void WriteWordTree(const TempDir& dir)
{
    const CSlowa catalogue;
    for (const CSlowa::SPaczka& word : catalogue.Words()) {
        dir.Write("Data/exio200b/" + word.Key + ".xbi", "b");
        dir.Write("Data/exio400j/" + word.Key + ".xji", "j");
        dir.Write("Data/Smd/" + word.Key + ".pw", "w");
    }
}

const fs::path kReportName = fs::path(u8"Raport zasobów.txt");
const std::string kTitle = "Szeptaczki Cz.VI - Raport zasobów"_cp;

std::string Rule(bool endOfLine = true)
{
    return std::string(56, '-') + (endOfLine ? "\r\n" : "");
}

}  // namespace

TEST(CheckResources, ACompleteTreeReportsNothingMissingAndNothingSurplus)
{
    ProgramSandbox box;
    const CSlowa catalogue;
    WriteWordTree(box.Dir());
    std::vector<std::string> report{"before"};
    EXPECT_TRUE(catalogue.CheckResources(report));
    const std::vector<std::string> expected{
        "before", Rule(false), "Wszystkie pliki zasobów istnieją."_cp, Rule(false), "Brak plików nadmiarowych."_cp, Rule(false),
    };
    EXPECT_EQ(report, expected);
}

TEST(CheckResources, ListsMissingAndSurplusFilesPerFolderIgnoringLetterCase)
{
    ProgramSandbox box;
    const CSlowa catalogue;
    WriteWordTree(box.Dir());
    std::filesystem::remove(box.Root() / "Data/Smd/zaba.pw");
    std::filesystem::remove(box.Root() / "Data/exio200b/abecadlo.xbi");
    box.Dir().Write("Data/exio200b/ABECADLO.XBI", "b");  // counts as the expected file
    std::filesystem::remove(box.Root() / "Data/exio400j/losss.xji");
    box.Dir().Write("Data/exio400j/los2.xji", "j");
    box.Dir().Write("Data/Smd/.hidden", "h");

    std::vector<std::string> report;
    EXPECT_FALSE(catalogue.CheckResources(report));
    const std::vector<std::string> expected{
        Rule(false), "Brakujące pliki zasobów:"_cp,  "Data\\exio400j\\losss.xji", "Data\\Smd\\zaba.pw",
        Rule(false), "Nadmiarowe pliki zasobów:"_cp, "Data\\exio400j\\los2.xji",  "Data\\Smd\\.hidden",
        Rule(false),
    };
    EXPECT_EQ(report, expected);
}

TEST(ResourceReport, IsWrittenWhereTheProgramWasStartedAndTheOutcomeIsTold)
{
    ProgramSandbox box;
    WriteWordTree(box.Dir());
    fs::remove(box.Root() / "Data/Smd/zaba.pw");
    TempDir startDir;
    CapturedMessages messages;
    WriteResourceReport(startDir.Path());
    const std::string expected = "Raport Zasobów\r\n\r\n\r\n"_cp + Rule() + "Brakujące pliki zasobów:\r\n"_cp +
                                 "Data\\Smd\\zaba.pw\r\n" + Rule() + "Brak plików nadmiarowych.\r\n"_cp + Rule() +
                                 "Razem: 1 brakujący plik, 0 nadmiarowych plików.\r\n"_cp;
    EXPECT_EQ(startDir.Read(kReportName.string()), expected);

    WriteResourceReport(box.Root() / "no such folder");
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].title, kTitle);
    EXPECT_EQ(messages.Shown()[0].text,
              "Brak niektórych plików lub istnieją plik nadmiarowe!\n\nRaport zapisano w pliku \"Raport zasobów.txt\""_cp);
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.Shown()[1].text, "Błąd podczas zapisu do pliku \"Raport zasobów.txt\"!"_cp);
    EXPECT_EQ(messages.Shown()[1].icon, MessageIcon::Error);
}

TEST(ResourceReport, TheProgramWritesItWithTheArgumentZ)
{
    const char* program = std::getenv("SZ_PROGRAM");
    if (!program || !*program)
        GTEST_SKIP() << "SZ_PROGRAM is not set";
    TempDir tree;
    WriteWordTree(tree);
    fs::remove(tree.Path() / "Data/exio400j/losss.xji");
    tree.Write("Data/exio200b/Extra.xbi", "x");
    TempDir startDir;

    const std::string command = "cd '" + startDir.Path().string() + "' && '" + program +
                                "' --headless --root '" + tree.Path().string() + "' z 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string expected = "Raport Zasobów\r\n\r\n\r\n"_cp + Rule() + "Brakujące pliki zasobów:\r\n"_cp +
                                 "Data\\exio400j\\losss.xji\r\n" + Rule() + "Nadmiarowe pliki zasobów:\r\n"_cp +
                                 "Data\\exio200b\\Extra.xbi\r\n" + Rule() +
                                 "Razem: 1 brakujący plik, 1 nadmiarowy plik.\r\n"_cp;
    EXPECT_EQ(startDir.Read(kReportName.string()), expected);
    EXPECT_FALSE(fs::exists(tree.Path() / "prgst6.stt"));  // the games' files are left alone

    // Once the tree is complete, the program says so and writes nothing.
    fs::remove(startDir.Path() / kReportName);
    fs::remove(tree.Path() / "Data/exio200b/Extra.xbi");
    tree.Write("Data/exio400j/LOSSS.XJI", "j");
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::is_empty(startDir.Path()));
}
