// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's folders of a practice on disk: the files of an older
// program become the first child's, names are checked and kept in Polish
// order, and nothing a child owns is ever deleted.
#include <gtest/gtest.h>

#include "platform/ChildFolders.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// The user's folder of a program from before profiles.
void WriteOlderFiles(const TempDir& dir)
{
    dir.Write("Data/data.ini", "[Pociag]\r\nGloski=3\r\n");
    dir.Write("prgst6.stt", std::string("\x06\0\0\0", 4) + std::string(16, '\x07') + std::string(44, '\x01'));
    dir.Write("Nagrane/record.xtr", "[Nagranie0]\r\nNazwa=Ola\r\n");
    dir.Write("Nagrane/Nagranie0.wav", std::string(1000, '\x11'));
}

}  // namespace

TEST(ChildFolders, TheFilesOfAnOlderProgramBecomeTheFirstChildsByteForByte)
{
    TempDir before;
    WriteOlderFiles(before);
    TempDir practice;
    WriteOlderFiles(practice);
    practice.Write("Raport postępów.html", "<html>");

    ChildFolders folders(practice.Path());
    std::string error;
    ASSERT_TRUE(folders.Prepare(error)) << error;
    EXPECT_EQ(folders.Names(), std::vector<std::string>{"Dziecko 1"});
    EXPECT_EQ(folders.Active(), "Dziecko 1");
    for (const char* file : {"Data/data.ini", "prgst6.stt", "Nagrane/record.xtr", "Nagrane/Nagranie0.wav"}) {
        EXPECT_EQ(practice.Read(std::string("Dzieci/Dziecko 1/") + file), before.Read(file)) << file;
        EXPECT_FALSE(fs::exists(practice.Path() / file)) << file << " is left behind";
    }
    // The practice's own files stay; a second start moves nothing again.
    EXPECT_EQ(practice.Read("Raport postępów.html"), "<html>");
    ASSERT_TRUE(folders.Prepare(error));
    EXPECT_EQ(folders.Names().size(), 1u);

    // A move cut short (the files gathered, the folder not yet named) is
    // finished by the next start; an older program run again after the
    // upgrade gets a child of its own instead of mixing with the first.
    fs::create_directories(practice.Path() / "Dzieci" / ".przenoszenie");
    fs::rename(practice.Path() / "Dzieci" / "Dziecko 1" / "prgst6.stt",
               practice.Path() / "Dzieci" / ".przenoszenie" / "prgst6.stt");
    practice.Write("Nagrane/record.xtr", "nowe");
    ASSERT_TRUE(folders.Prepare(error));
    EXPECT_EQ(folders.Names(), (std::vector<std::string>{"Dziecko 1", "Dziecko 2"}));
    EXPECT_EQ(practice.Read("Dzieci/Dziecko 2/prgst6.stt"), before.Read("prgst6.stt"));
    EXPECT_EQ(practice.Read("Dzieci/Dziecko 2/Nagrane/record.xtr"), "nowe");
    EXPECT_EQ(folders.Active(), "Dziecko 1");
}

TEST(ChildFolders, NamesAreCheckedKeptInPolishOrderRenamedAndRemovedAside)
{
    TempDir practice;
    ChildFolders folders(practice.Path());
    std::string error;
    ASSERT_TRUE(folders.Prepare(error));  // a first start makes a first child
    for (const char* name : {"Zosia", "  ania ", "Łukasz", "Lena", "Ewa"})
        ASSERT_TRUE(folders.Add(Utf8ToCp1250(name), error)) << name;
    std::vector<std::string> shown;
    for (const std::string& n : folders.Names())
        shown.push_back(Cp1250ToUtf8(n));
    EXPECT_EQ(shown, (std::vector<std::string>{"ania", "Dziecko 1", "Ewa", "Lena", "Łukasz", "Zosia"}));

    for (const char* bad : {"", "   ", "ANIA", "a/b", "Ola?", ".ukryte", "kropka.", "x\x01"}) {
        EXPECT_FALSE(folders.Add(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_FALSE(folders.Add(std::string(41, 'z'), error));
    EXPECT_TRUE(folders.Add(std::string(40, 'z'), error));

    // A rename keeps the files and the choice of the active child; a change
    // of letter case alone is a rename too.
    practice.Write("Dzieci/ania/prgst6.stt", "dane");
    ASSERT_TRUE(folders.SetActive("ania"));
    ASSERT_TRUE(folders.Rename("ania", "Ania", error)) << error;
    ASSERT_TRUE(folders.Rename("Ania", "Anna", error)) << error;
    EXPECT_EQ(practice.Read("Dzieci/Anna/prgst6.stt"), "dane");
    EXPECT_EQ(folders.Active(), "Anna");
    EXPECT_FALSE(folders.Rename("Anna", "ewa", error));

    // A rename cut short between its two steps is undone by the next start.
    fs::rename(practice.Path() / "Dzieci" / "Anna", practice.Path() / "Dzieci" / ".zmiana-Anna");
    EXPECT_FALSE(folders.Exists("Anna"));
    ASSERT_TRUE(folders.Prepare(error));
    EXPECT_EQ(practice.Read("Dzieci/Anna/prgst6.stt"), "dane");

    ASSERT_TRUE(folders.Remove("Anna", error));
    EXPECT_FALSE(folders.Exists("Anna"));
    const fs::path removed = folders.RemovedDir();
    ASSERT_EQ(std::distance(fs::directory_iterator(removed), fs::directory_iterator()), 1);
    EXPECT_EQ(practice.Read("Usunięte/" + fs::directory_iterator(removed)->path().filename().string() + "/prgst6.stt"),
              "dane");
    // The list file names a child that is gone, then is damaged: the first
    // child is active, and nothing else is lost.
    EXPECT_EQ(folders.Active(), Utf8ToCp1250("Dziecko 1"));
    practice.Write("dzieci.ini", std::string("\0\xFF[Dzie", 7));
    EXPECT_EQ(folders.Active(), "Dziecko 1");
    EXPECT_TRUE(folders.SetActive("Zosia"));
    EXPECT_EQ(folders.Active(), "Zosia");
}
