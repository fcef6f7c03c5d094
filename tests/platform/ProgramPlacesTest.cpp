// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files go: the read-only data tree and the user's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Restores the places the other tests expect.
class PlacesGuard {
public:
    ~PlacesGuard() { SetProgramPlaces(saved_); }

private:
    ProgramPlaces saved_ = CurrentProgramPlaces();
};

}  // namespace

TEST(IsUserPath, OnlyTheSettingsLeaveTheDataTreeAndEverythingElseOutsideItIsTheUsers)
{
    // The user's files, in any letter case and either separator.
    for (const char* path : {"Data\\data.ini", "DATA/Data.INI", ".\\Data\\data.ini", "prgst6.stt",
                             "Nagrane", "Nagrane\\record.xtr", "nagrane/Nagranie7.wav"})
        EXPECT_TRUE(IsUserPath(path)) << path;
    EXPECT_TRUE(IsUserPath("Raport zasobów.txt"_cp));
    // The data tree, including names that only look like the settings.
    for (const char* path : {"Data", "Data\\", "Data\\Smd\\zaba.pw", "data\\intf\\spec\\qw6cz.tfs",
                             "Data\\Intf\\data.ini", "Data\\data.ini\\x", "Data\\data.ini.bak",
                             "RESOURCE\\REKA1.bmp", "resource/x.bmp"})
        EXPECT_FALSE(IsUserPath(path)) << path;
    // Absolute paths belong to neither place.
    EXPECT_FALSE(IsUserPath("/tmp/prgst6.stt"));
}

TEST(NativePath, SendsEachFileToItsPlaceWhenTheTreeAndTheUserFolderDiffer)
{
    PlacesGuard guard;
    TempDir tree, user;
    tree.Write("data/SMD/Zaba.PW", "x");
    tree.Write("data/data.ini", "[tree]");  // left by a build: never the user's settings
    user.Write("DATA/data.ini", "[user]");
    SetProgramPlaces({tree.Path(), user.Path(), true});

    EXPECT_EQ(NativePath("Data\\Smd\\zaba.pw"), tree.Path() / "data" / "SMD" / "Zaba.PW");
    EXPECT_EQ(NativePath("Data\\data.ini"), user.Path() / "DATA" / "data.ini");
    EXPECT_EQ(NativePath("prgst6.stt"), user.Path() / "prgst6.stt");
    EXPECT_EQ(NativePath("Nagrane\\Nagranie0.wav"), user.Path() / "Nagrane" / "Nagranie0.wav");
    EXPECT_EQ(NativePath("/etc/hostname"), fs::path("/etc/hostname"));
    EXPECT_TRUE(FileExists("Data\\Smd\\ZABA.pw"));
    EXPECT_FALSE(DirectoryExists("Nagrane"));
    EXPECT_EQ(ProgramDir(), user.Path());
    EXPECT_EQ(DataDir(), tree.Path());
}

TEST(LocateProgramPlaces, ATreeBesideTheProgramWinsOverAnInstallation)
{
    TempDir prefix;
    prefix.Write("share/szeptaczki/Data/Smd/a.pw", "x");
    fs::create_directories(prefix.Path() / "bin");
    const char* home = "/home/ola";

    // An installation, found from bin/ wherever the prefix was moved.
    ProgramPlaces p = LocateProgramPlaces(prefix.Path() / "bin", nullptr, home);
    EXPECT_TRUE(p.installed);
    EXPECT_EQ(p.data, prefix.Path() / "share" / "szeptaczki");
    EXPECT_EQ(p.user, fs::path("/home/ola/.local/share/szeptaczki"));
    // The practice's voice lies in the user's folder, never in the installed data.
    EXPECT_EQ(p.voice, fs::path("/home/ola/.local/share/szeptaczki/Glos"));
    // A path given with "." and ".." still finds it.
    p = LocateProgramPlaces(prefix.Path() / "bin" / "." / ".." / "bin", nullptr, home);
    EXPECT_EQ(p.data, prefix.Path() / "share" / "szeptaczki");

    // XDG_DATA_HOME counts when it is absolute; a relative one is ignored.
    EXPECT_EQ(LocateProgramPlaces(prefix.Path() / "bin", "/data/ola", home).user,
              fs::path("/data/ola/szeptaczki"));
    EXPECT_EQ(LocateProgramPlaces(prefix.Path() / "bin", "rel", home).user,
              fs::path("/home/ola/.local/share/szeptaczki"));
    EXPECT_EQ(LocateProgramPlaces(prefix.Path() / "bin", "", home).user,
              fs::path("/home/ola/.local/share/szeptaczki"));
    // Nothing names a user folder: left empty for the start-up to report.
    EXPECT_TRUE(LocateProgramPlaces(prefix.Path() / "bin", nullptr, nullptr).user.empty());

    // A tree beside the program (a build, a copied Windows tree): one place.
    prefix.Write("bin/DATA/Smd/a.pw", "x");
    p = LocateProgramPlaces(prefix.Path() / "bin", nullptr, home);
    EXPECT_FALSE(p.installed);
    EXPECT_EQ(p.data, prefix.Path() / "bin");
    EXPECT_EQ(p.user, prefix.Path() / "bin");
    EXPECT_EQ(p.voice, prefix.Path() / "bin" / "Glos");

    // Neither: the program's own folder, where the resource check looks.
    TempDir bare;
    p = LocateProgramPlaces(bare.Path(), nullptr, home);
    EXPECT_FALSE(p.installed);
    EXPECT_EQ(p.data, bare.Path());
    EXPECT_EQ(p.user, bare.Path());
}

TEST(MakeUserFolder, MakesTheFolderOnceAndReportsOneThatCannotBeMade)
{
    PlacesGuard guard;
    TempDir tree, home;
    const fs::path user = home.Path() / ".local" / "share" / "szeptaczki";
    SetProgramPlaces({tree.Path(), user, true});
    std::string error;
    ASSERT_TRUE(MakeUserFolder(error)) << error;
    EXPECT_TRUE(fs::is_directory(user / "Data"));
    home.Write(".local/share/szeptaczki/Data/data.ini", "[kept]");
    ASSERT_TRUE(MakeUserFolder(error)) << error;
    EXPECT_EQ(home.Read(".local/share/szeptaczki/Data/data.ini"), "[kept]");

    // A file where a folder must be (this works for root as well).
    home.Write("blocked", "");
    SetProgramPlaces({tree.Path(), home.Path() / "blocked" / "szeptaczki", true});
    EXPECT_FALSE(MakeUserFolder(error));
    EXPECT_NE(error.find("blocked"), std::string::npos) << error;

    SetProgramPlaces({tree.Path(), fs::path(), true});
    error.clear();
    EXPECT_FALSE(MakeUserFolder(error));
    EXPECT_FALSE(error.empty());

    // A build or --root is the user's own folder already: nothing is made.
    SetProgramDir(home.Path() / "missing");
    EXPECT_EQ(CurrentProgramPlaces().voice, home.Path() / "missing" / "Glos");
    EXPECT_TRUE(MakeUserFolder(error));
    EXPECT_FALSE(fs::exists(home.Path() / "missing"));
}
