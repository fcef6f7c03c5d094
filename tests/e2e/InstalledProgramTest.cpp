// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as its package installs it: `cmake --install` into a temporary
// DESTDIR, made read-only, and run from there with an empty home folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "platform/WaveFile.h"
#include "tests/TestSupport.h"
#include "tests/voice/VoiceTestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kAppId = "invalid.szeptaczki.szeptaczki";

bool HaveTool(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Every entry of a tree with its size, time and permissions: a write of any
// kind changes it.
std::map<std::string, std::string> Snapshot(const fs::path& root)
{
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        struct stat st {};
        ::lstat(it->path().c_str(), &st);
        entries[fs::relative(it->path(), root).string()] =
            std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
            std::to_string(st.st_mtim.tv_nsec) + " " + std::to_string(st.st_mode);
    }
    return entries;
}

// Width and height from a PNG header.
std::array<int, 2> PngSize(const fs::path& file)
{
    std::string bytes;
    if (!ReadWholeFile(file, bytes) || bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto word = [&](std::size_t at) {
        int v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {word(16), word(20)};
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (ProgramPath().empty())
            return;
        const fs::path build = fs::path(ProgramPath()).parent_path();
        if (!fs::exists(build / "Data" / ".generated"))
            return;
        dest_ = std::make_unique<TempDir>();
        const ProgramResult r = RunCommand("DESTDIR='" + dest_->Path().string() + "' cmake --install '" +
                                               build.string() + "' --prefix /usr",
                                           dest_->Path());
        installLog_ = r.errors;
        installed_ = r.status == 0;
        // Read-only for everybody; as root that stops nothing, which is
        // what the snapshot is for, and the program runs as another user.
        std::system(("chmod -R a-w '" + dest_->Path().string() + "'").c_str());
        before_ = Snapshot(dest_->Path());
    }

    static void TearDownTestSuite()
    {
        if (dest_)
            std::system(("chmod -R u+w '" + dest_->Path().string() + "'").c_str());
        dest_.reset();
    }

    void SetUp() override
    {
        if (ProgramPath().empty())
            GTEST_SKIP() << "SZ_PROGRAM is not set";
        if (!dest_)
            GTEST_SKIP() << "no generated data tree beside the program to install";
        ASSERT_TRUE(installed_) << "cmake --install failed:\n" << installLog_;
    }

    static fs::path Usr() { return dest_->Path() / "usr"; }

    // The installed program with only the environment a desktop session
    // would give it; as root it runs as nobody so that read-only holds.
    ProgramResult RunInstalled(const fs::path& home, const std::string& xdgDataHome, const std::string& script,
                               const std::string& moreEnvironment = "")
    {
        work_.Write("script.txt", script);
        std::string user;
        if (::geteuid() == 0 && HaveTool("setpriv")) {
            user = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
            fs::permissions(home, fs::perms::all);
        }
        std::string env = "env -i PATH=/usr/bin:/bin HOME='" + home.string() + "' ";
        if (!xdgDataHome.empty())
            env += "XDG_DATA_HOME='" + xdgDataHome + "' ";
        env += moreEnvironment;
        return RunCommand(env + user + "'" + (Usr() / "bin" / "szeptaczki").string() +
                              "' --headless --seed 7 --screen 1024x768 --script '" +
                              (work_.Path() / "script.txt").string() + "'",
                          work_.Path());
    }

    void ExpectInstallationUntouched() { EXPECT_EQ(Snapshot(dest_->Path()), before_); }

    TempDir work_;
    static std::unique_ptr<TempDir> dest_;
    static bool installed_;
    static std::string installLog_;
    static std::map<std::string, std::string> before_;
};

std::unique_ptr<TempDir> Installed::dest_;
bool Installed::installed_ = false;
std::string Installed::installLog_;
std::map<std::string, std::string> Installed::before_;

std::string At(TPoint p, int dx = 20, int dy = 20)
{
    return std::to_string(p.x + dx) + " " + std::to_string(p.y + dy);
}

}  // namespace

TEST_F(Installed, AGameAndARecordingLeaveTheirFilesInTheUsersFolderOnly)
{
    const SMainMenuLayout l = MainMenuLayout(CDisplay(1024, 768));
    const std::string tab3 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 260);
    const std::string tab6 = std::to_string(l.tabStrip.x + 100) + " " + std::to_string(l.tabStrip.y + 500);
    const std::string summaryStop =
        std::to_string((1024 - 600) / 2 + 355) + " " + std::to_string((768 - 450) / 2 + 360);
    TempDir home;
    // What the microphone hears: a quiet room while the child's slot records,
    // then a word for the voice screen.
    const fs::path heard = home.Path() / "heard.wav";
    ASSERT_TRUE(WriteFileAtomically(
        heard, BuildRecordingWave(TakeAround(GeneratedWord("abecadlo"), 0.4, 1500 + 100, 400, 20))));
    // HOME and XDG_DATA_HOME are the same folder.
    const ProgramResult r = RunInstalled(home.Path(), home.Path().string(),
                                         "expect form FormMain\n"
                                         "click " + tab3 + "\n"
                                         "click " + At(l.start) + "\n"
                                         "wait 500\n"
                                         "expect form FormMemory3\n"
                                         "key Escape\n"
                                         "expect form FormKoniecGry\n"
                                         "click " + summaryStop + "\n"
                                         "expect form FormMain\n"
                                         "click " + tab6 + "\n"
                                         "click 300 232\n"
                                         "type Ola\n"
                                         "click " + At(l.record) + "\n"
                                         "wait 1500\n"
                                         "click " + At(l.stop) + "\n"
                                         // The voice screen: one word recorded and kept.
                                         "keydown Ctrl\nkey G\nkeyup Ctrl\nexpect form FormGlos\n"
                                         "key Return\nwait 2100\nkey Return\nwait 1500\nkey Return\n"
                                         "key Escape\nkey Escape\nexpect form FormMain\n"
                                         "key Escape\n",
                                         "SZEPTACZKI_MIKROFON='" + heard.string() + "' ");
    ASSERT_EQ(r.status, 0) << r.errors;

    // The first start makes a first child, whose folder holds the child's files.
    const fs::path user = home.Path() / "szeptaczki" / "Dzieci" / "Dziecko 1";
    CIniFile settings(user / "Data" / "data.ini");
    EXPECT_EQ(settings.ReadInteger("DaneProgramu", "Zakladka", 0), 6);
    ASSERT_TRUE(fs::exists(user / "prgst6.stt"));
    EXPECT_EQ(fs::file_size(user / "prgst6.stt"), 20u + 44u);
    std::string wave;
    ASSERT_TRUE(ReadWholeFile(user / "Nagrane" / "Nagranie0.wav", wave));
    EXPECT_GE(WaveDurationMs(wave), 1400);
    EXPECT_EQ(CIniFile(user / "Nagrane" / "record.xtr").ReadString("Nagranie0", "Nazwa", ""), "Ola");
    // The practice's voice lies beside the children's files.
    EXPECT_GT(WaveDurationMs(home.Read("szeptaczki/Glos/abecadlo.wav")), 800);
    // Nothing else lands in the home folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(home.Path()), fs::directory_iterator()), 2);  // and heard.wav
    ExpectInstallationUntouched();
}

TEST_F(Installed, WithoutXdgDataHomeTheFilesGoUnderDotLocalAndTheNextStartFindsThem)
{
    TempDir home;
    ASSERT_EQ(RunInstalled(home.Path(), "", "expect form FormMain\nkey Escape\n").status, 0);
    const fs::path user = home.Path() / ".local" / "share" / "szeptaczki" / "Dzieci" / "Dziecko 1";
    EXPECT_EQ(CIniFile(user / "Data" / "data.ini").ReadInteger("DaneProgramu", "LU", -1), 0);
    EXPECT_EQ(fs::file_size(user / "prgst6.stt"), 20u);
    const ProgramResult again = RunInstalled(home.Path(), "", "expect form FormMain\nkey Escape\n");
    ASSERT_EQ(again.status, 0) << again.errors;
    EXPECT_EQ(CIniFile(user / "Data" / "data.ini").ReadInteger("DaneProgramu", "LU", -1), 1);
    ExpectInstallationUntouched();
}

TEST_F(Installed, AUserFolderThatCannotBeMadeEndsWithAMessage)
{
    TempDir home;
    home.Write("blocked", "a file where the folder should be");
    const ProgramResult r = RunInstalled(home.Path(), (home.Path() / "blocked").string(), "key Escape\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("Nie można utworzyć folderu na ustawienia, statystyki i nagrania"), std::string::npos)
        << r.errors;
    EXPECT_NE(r.errors.find("blocked/szeptaczki"), std::string::npos) << r.errors;
    ExpectInstallationUntouched();
}

TEST_F(Installed, TheDesktopEntryIconsMetadataAndManualPageAreInPlace)
{
    const fs::path desktop = Usr() / "share" / "applications" / (std::string(kAppId) + ".desktop");
    const fs::path metainfo = Usr() / "share" / "metainfo" / (std::string(kAppId) + ".metainfo.xml");
    ASSERT_TRUE(fs::exists(desktop));
    ASSERT_TRUE(fs::exists(metainfo));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const auto got = PngSize(Usr() / "share" / "icons" / "hicolor" / name / "apps" / "szeptaczki.png");
        EXPECT_EQ(got, (std::array<int, 2>{size, size})) << name;
    }
    // The screenshot of the main menu that the build took.
    EXPECT_EQ(PngSize(Usr() / "share" / "doc" / "szeptaczki" / "main-menu.png"), (std::array<int, 2>{1024, 768}));
    EXPECT_TRUE(fs::exists(Usr() / "share" / "man" / "man6" / "szeptaczki.6.gz"));
    // Stripped: neither a symbol table nor debugging sections.
    const ProgramResult sections =
        RunCommand("readelf -S --wide '" + (Usr() / "bin" / "szeptaczki").string() + "' 1>&2", work_.Path());
    ASSERT_EQ(sections.status, 0) << sections.errors;
    EXPECT_EQ(sections.errors.find(".symtab"), std::string::npos);
    EXPECT_EQ(sections.errors.find(".debug_"), std::string::npos);
    // The data tree and nothing else: neither the build's own settings nor
    // anything the screenshot's run of the program might have left.
    std::vector<std::string> top;
    for (const auto& entry : fs::directory_iterator(Usr() / "share" / "szeptaczki"))
        top.push_back(entry.path().filename().string());
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::string>{"Data", "RESOURCE"}));
    EXPECT_FALSE(fs::exists(Usr() / "share" / "szeptaczki" / "Data" / "data.ini"));
    EXPECT_FALSE(fs::exists(Usr() / "share" / "szeptaczki" / "Data" / ".generated"));

    if (HaveTool("desktop-file-validate")) {
        const ProgramResult r = RunCommand("{ desktop-file-validate '" + desktop.string() + "' 1>&2; }", work_.Path());
        EXPECT_EQ(r.status, 0) << r.errors;
    } else {
        std::printf("desktop-file-validate is not installed (desktop-file-utils): entry not validated\n");
    }
    if (HaveTool("appstreamcli")) {
        // The home page is not published yet, so its address is not fetched.
        const ProgramResult r = RunCommand("{ appstreamcli validate --no-net '" + metainfo.string() + "' 1>&2; }",
                                           work_.Path());
        EXPECT_EQ(r.status, 0) << r.errors;
    } else {
        std::printf("appstreamcli is not installed (appstream): metadata not validated\n");
    }
}
