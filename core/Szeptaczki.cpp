// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry routine of the program.
#include "core/Szeptaczki.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/ActiveChild.h"
#include "core/AnswerJournal.h"
#include "core/CBlad.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/ErrorMessages.h"
#include "core/FormMain.h"
#include "core/FormSplashScreen.h"
#include "core/PolishPlural.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "journal/Journal.h"
#include "platform/Application.h"
#include "platform/Backend.h"
#include "platform/Platform.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "screens/FormDzieci.h"
#include "screens/FormKomunikat.h"
#include "screens/FormKoniecGry.h"
#include "core/CommandLine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ChildFolders.h"
#include "platform/Paths.h"
#include "platform/ProgramArguments.h"
#include "platform/Random.h"
#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

uint64_t SeedFromClock()
{
    Clock& clock = TheClock();
    return static_cast<uint64_t>(SystemTimeToTicks(clock.UniversalTime())) ^
           static_cast<uint64_t>(clock.Counter());
}

}  // namespace

void WriteResourceReport(const fs::path& reportDir)
{
    const std::string title = "Szeptaczki Cz.VI - Raport zasobów"_cp;
    std::vector<std::string> lines;
    bool complete = false;
    int missing = 0;
    int surplus = 0;
    {
        const CSlowa catalogue;
        complete = catalogue.CheckResources(lines, &missing, &surplus);
    }
    if (complete) {
        TheMessageBoxes().Show(title, "Wszystkie zasoby słów istnieją.\nBrak plików nadmiarowych."_cp,
                               MessageIcon::Information);
        return;
    }

    lines.insert(lines.begin(), "Raport Zasobów\r\n\r\n"_cp);
    lines.push_back("Razem: "_cp + CountOf(missing, "brakujący plik"_cp, "brakujące pliki"_cp, "brakujących plików"_cp) +
                    ", " + CountOf(surplus, "nadmiarowy plik", "nadmiarowe pliki", "nadmiarowych plików"_cp) + ".");
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    const fs::path file = reportDir / Utf8Path(Cp1250ToUtf8("Raport zasobów.txt"_cp));
    if (!WriteFileAtomically(file, text)) {
        TheMessageBoxes().Show(title, "Błąd podczas zapisu do pliku \"Raport zasobów.txt\"!"_cp,
                               MessageIcon::Error);
        return;
    }
    TheMessageBoxes().Show(title,
                           "Brak niektórych plików lub istnieją plik nadmiarowe!\n\n"
                           "Raport zapisano w pliku \"Raport zasobów.txt\""_cp,
                           MessageIcon::Warning);
}

namespace {

// A second copy refused because another runs on the same folder ends with
// this status (documented with the program's exit statuses).
constexpr int kAnotherCopyRuns = 4;

// The files whose writes go through a temporary file beside them; what a
// killed write left of those is removed at start-up.
bool IsRewrittenFile(const std::string& name)
{
    if (EqualsNoCase(name, "data.ini") || EqualsNoCase(name, "record.xtr") || EqualsNoCase(name, "prgst6.stt"))
        return true;
    // "Nagranie" + slot number + ".wav"
    constexpr std::string_view kPrefix = "Nagranie", kSuffix = ".wav";
    if (name.size() <= kPrefix.size() + kSuffix.size() || !EqualsNoCase(name.substr(0, kPrefix.size()), kPrefix) ||
        !EqualsNoCase(name.substr(name.size() - kSuffix.size()), kSuffix))
        return false;
    const std::string number = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    return number.find_first_not_of("0123456789") == std::string::npos;
}

void RemoveUnfinishedWrites()
{
    for (const char* file : {"prgst6.stt", "Data\\data.ini", "Nagrane\\record.xtr"})
        RemoveStaleTemporaries(NativePath(file).parent_path(), IsRewrittenFile);
}

void RestoreDirectory(const fs::path& dir)
{
    std::error_code ec;
    fs::current_path(dir, ec);
}

// The screens of the program in the order of start-up; the clean-up frees
// them in reverse.
struct ProgramObjects {
    std::unique_ptr<CSlowa> slowa;
    std::unique_ptr<CStatRec> statRec;
    std::unique_ptr<AnswerJournal> journal;
    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<TFormKomunikat> formKomunikat;
    std::unique_ptr<TFormDzieci> formDzieci;
    std::unique_ptr<TFormKoniecGry> formKoniecGry;
    std::vector<std::unique_ptr<CScreenOwner>> screens;

    ~ProgramObjects()
    {
        while (!screens.empty())
            screens.pop_back();
        formKoniecGry.reset();
        formDzieci.reset();
        formKomunikat.reset();
        formMain.reset();  // saves the settings
        journal.reset();   // writes what waits
        StatRec = nullptr;
        statRec.reset();
        Slowa = nullptr;
        slowa.reset();
    }
};

// The children the report is asked for, with their files: the one of
// --root, the one named or the active one, or every child of the practice.
bool MakeReportRequest(const CommandLine& cmd, ReportRequest& request)
{
    auto childHere = [](const std::string& name) {
        return ReportRequest::Child{name, ProgramDir(), CStatRec::FileNameFor(6), NativePath(Journal::kFileName)};
    };
    if (!cmd.root.empty()) {
        request.children.push_back(childHere(ProgramDir().filename().string()));
        return true;
    }
    std::string error;
    if (ChooseChildAtStart(Utf8ToCp1250(cmd.child), false, error) != StartChoice::Made) {
        std::fprintf(stderr, "szeptaczki raport: %s\n", Cp1250ToUtf8(error).c_str());
        if (!cmd.child.empty()) {
            std::string names;
            for (const std::string& name : ChildFolders(PracticeDir()).Names())
                names += (names.empty() ? "" : ", ") + Cp1250ToUtf8(name);
            std::fprintf(stderr, "szeptaczki raport: dzieci: %s\n", names.c_str());
        }
        return false;
    }
    request.practiceDir = PracticeDir();
    if (!cmd.child.empty() || !cmd.note.empty()) {
        request.children.push_back(childHere(Cp1250ToUtf8(ActiveChildName())));
        return true;
    }
    request.overview = true;
    const ChildFolders folders(PracticeDir());
    const fs::path active = ProgramDir();
    for (const std::string& name : folders.Names()) {
        SetActiveChildDir(folders.FolderOf(name));
        request.children.push_back(childHere(Cp1250ToUtf8(name)));
    }
    SetActiveChildDir(active);
    return true;
}

}  // namespace

int RunSzeptaczki(int argc, char** argv, const std::vector<ScreenMaker>& screenMakers,
                  const ReportWriter& writeReport, const VoiceSetTool& voiceSetTool)
{
    std::vector<std::string> args = ProgramArguments(argc, argv);
    if (!args.empty())
        args.erase(args.begin());  // the program's own name
    CommandLine cmd;
    std::string error;
    if (!ParseCommandLine(args, cmd, error)) {
        std::fprintf(stderr, "szeptaczki: %s\n%s", error.c_str(), CommandLineUsage().c_str());
        return 2;
    }
    if (cmd.help || cmd.version) {
        const std::string text = cmd.help ? CommandLineUsage() : ProgramVersion() + "\n";
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // Headless runs live on program time: waits and timeouts pass at once.
    if (cmd.headless)
        InstallClock(std::make_unique<VirtualClock>());
    SeedRandom(cmd.seed ? *cmd.seed : SeedFromClock());

    std::error_code ec;
    const fs::path startDir = fs::current_path(ec);
    if (cmd.root.empty())
        SetProgramPlaces(LocateProgramPlaces(ExecutableDir(argc > 0 ? argv[0] : nullptr)));
    else
        SetProgramDir(Utf8Path(cmd.root));

    // The report only reads the statistics: no window, no sound, and it may
    // run beside a program that is playing.
    if (cmd.report) {
        if (!writeReport) {
            std::fprintf(stderr, "szeptaczki: this build has no progress report\n");
            return 2;
        }
        ReportRequest request;
        if (!MakeReportRequest(cmd, request))
            return 2;
        request.outDir = cmd.reportDir.empty() ? fs::path() : fs::absolute(Utf8Path(cmd.reportDir), ec);
        request.note = cmd.note;
        request.noteDay = cmd.noteDay;
        return writeReport(request);
    }

    // Sharing the voice set needs no window and no sound either.
    if (cmd.voice) {
        if (!voiceSetTool) {
            std::fprintf(stderr, "szeptaczki: this build cannot share a voice set\n");
            return 2;
        }
        const bool exporting = !cmd.voiceExport.empty();
        return voiceSetTool(exporting, fs::absolute(Utf8Path(exporting ? cmd.voiceExport : cmd.voiceImport), ec));
    }

    InstallPlatformServices(cmd.headless);
    struct ServicesGuard {
        ~ServicesGuard() { ReleasePlatformServices(); }
    } servicesGuard;

    if (cmd.maintenance) {
        WriteResourceReport(startDir);
        return 0;
    }

    // Without --root the user's folder holds a folder per child, and the
    // child's folder takes the place of the program's directory.
    if (cmd.root.empty() && !PracticeDir().empty()) {
        std::string reason;
        const StartChoice choice = ChooseChildAtStart(Utf8ToCp1250(cmd.child), true, reason);
        if (choice == StartChoice::NoSuchChild) {
            std::fprintf(stderr, "szeptaczki: %s\n", Cp1250ToUtf8(reason).c_str());
            return 2;
        }
        if (choice == StartChoice::FoldersFailed) {
            TheMessageBoxes().Show("Szeptaczki Cz.VI - Błąd"_cp,
                                   "Nie można utworzyć folderu na ustawienia, statystyki i nagrania:\n"_cp + reason,
                                   MessageIcon::Error);
            return 1;
        }
    }
    // An installation is never written to: the child's files go to the
    // user's folder, which the first start makes.
    if (std::string reason; !MakeUserFolder(reason)) {
        TheMessageBoxes().Show("Szeptaczki Cz.VI - Błąd"_cp,
                               "Nie można utworzyć folderu na ustawienia, statystyki i nagrania:\n"_cp +
                                   Utf8ToCp1250(reason),
                               MessageIcon::Error);
        return 1;
    }

    // One copy per folder, with a window or without: two copies would
    // share the settings, the statistics and the recordings.
    SingleInstance instance("szeptaczki-cz6", ProgramDir());
    if (!instance.Acquire()) {
        std::fprintf(stderr, "szeptaczki: another copy of the program is running on %s\n", ProgramDir().string().c_str());
        if (!instance.AskFirstToRaise())
            TheMessageBoxes().Show("Szeptaczki Cz.VI",
                                   "Aplikacja jest aktualnie uruchomiona.\n\n"
                                   "Zamknij proces aplikajcji lub uruchom ponownie komputer."_cp,
                                   MessageIcon::Error);
        return kAnotherCopyRuns;
    }
    RemoveUnfinishedWrites();

    PlatformOptions options;
    options.headless = cmd.headless;
    options.windowed = cmd.windowed;
    options.screenWidth = cmd.screenWidth;
    options.screenHeight = cmd.screenHeight;
    options.scale = !cmd.noScale;
    options.scriptFile = cmd.script;
    options.title = "S-Szeptaczki Cz.VI";
    options.needVisibleWindow = !cmd.headless;
    std::unique_ptr<TApplication> app;
    try {
        app = CreateApplication(options);
    } catch (const NoDisplayError& e) {
        std::fprintf(stderr, "szeptaczki: %s; start it in a desktop session, or use --headless --script FILE\n",
                     e.what());
        return 1;
    } catch (const std::exception&) {
        ShowFatalError(nullptr);
        return 0;
    }
    Application = app.get();
    struct ApplicationGuard {
        ~ApplicationGuard() { Application = nullptr; }
    } applicationGuard;
    app->SetTitle("Szeptaczki Cz.VI");
    instance.SetOnRaiseRequest([&app] { app->RaiseWindow(); });

    fs::current_path(ProgramDir(), ec);
    SetDisplay(app->ScreenWidth(), app->ScreenHeight());

    // The splash is made inside the guard: a failure there ends in a
    // message like any other failure of start-up.
    std::unique_ptr<TFormSplashScreen> splash;
    try {
        splash = std::make_unique<TFormSplashScreen>(*app);
        SetMessageOwner(splash.get());
        splash->Show();
        // Shown at once; input given meanwhile waits for the main menu.
        app->ProcessPendingWork();
        if (Display().IsScreenTooSmall())
            throw CBlad(2);
        if (!LoadGlobalFonts(Display().Mode()))
            throw CBlad(1);
        if (!LoadSettings())
            throw CBlad(4);
    } catch (const CBlad& e) {
        ShowError(e, splash.get());
        SetMessageOwner(nullptr);
        RestoreDirectory(startDir);
        return 0;
    } catch (const std::exception&) {
        ShowFatalError(MessageOwner());
        SetMessageOwner(nullptr);
        RestoreDirectory(startDir);
        return 0;
    }

    int status = 0;
    {
        ProgramObjects program;
        try {
            program.slowa = std::make_unique<CSlowa>();
            Slowa = program.slowa.get();
            program.statRec = std::make_unique<CStatRec>(6, nullptr);
            StatRec = program.statRec.get();
            program.journal = std::make_unique<AnswerJournal>(program.statRec.get());
            TheAnswerJournal = program.journal.get();
            program.journal->Open();

            program.formMain = std::make_unique<TFormMain>(*app);
            app->SetMainForm(*program.formMain);
            program.formKomunikat = std::make_unique<TFormKomunikat>(*app);
            program.formDzieci = std::make_unique<TFormDzieci>(*app);
            program.formKoniecGry = std::make_unique<TFormKoniecGry>(*app, *program.statRec);
            for (const ScreenMaker& make : screenMakers)
                program.screens.push_back(make(*app));
            // The last screen made ends the splash.
            SetMessageOwner(nullptr);
            splash.reset();

            status = app->Run();
        } catch (const CBlad& e) {
            ShowError(e, splash.get());
        } catch (const std::exception&) {
            ShowFatalError(splash ? splash.get() : nullptr);
        }
    }
    SetMessageOwner(nullptr);
    splash.reset();
    RestoreDirectory(startDir);
    return status;
}
