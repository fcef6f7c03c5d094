// The entry routine of the program.
#include "core/Szeptaczki.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/CBlad.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/ErrorMessages.h"
#include "core/FormMain.h"
#include "core/FormSplashScreen.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Backend.h"
#include "platform/Platform.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "screens/FormKomunikat.h"
#include "screens/FormKoniecGry.h"
#include "core/CommandLine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
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
    {
        const CSlowa catalogue;
        complete = catalogue.CheckResources(lines);
    }
    if (complete) {
        TheMessageBoxes().Show(title, "Wszystkie zasoby słów istnieją.\nBrak plików nadmiarowych."_cp,
                               MessageIcon::Information);
        return;
    }

    lines.insert(lines.begin(), "Raport Zasobów\r\n\r\n"_cp);
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

// One copy per user; headless runs (tests, scripts) lock per program directory
// so that they never disturb a real copy or each other.
std::string InstanceName(const CommandLine& cmd)
{
    if (!cmd.headless)
        return "szeptaczki-cz6";
    const std::string dir = ProgramDir().string();
    return "szeptaczki-cz6-headless-" + std::to_string(std::hash<std::string>{}(dir) & 0xFFFFFFFF);
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
    std::unique_ptr<TFormMain> formMain;
    std::unique_ptr<TFormKomunikat> formKomunikat;
    std::unique_ptr<TFormKoniecGry> formKoniecGry;
    std::vector<std::unique_ptr<CScreenOwner>> screens;

    ~ProgramObjects()
    {
        while (!screens.empty())
            screens.pop_back();
        formKoniecGry.reset();
        formKomunikat.reset();
        formMain.reset();  // saves the settings
        StatRec = nullptr;
        statRec.reset();
        Slowa = nullptr;
        slowa.reset();
    }
};

}  // namespace

int RunSzeptaczki(int argc, char** argv, const std::vector<ScreenMaker>& screenMakers,
                  const ReportWriter& writeReport)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine cmd;
    std::string error;
    if (!ParseCommandLine(args, cmd, error)) {
        std::fprintf(stderr, "szeptaczki: %s\n", error.c_str());
        return 2;
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
        SetProgramDir(cmd.root);

    // The report only reads the statistics: no window, no sound, and it may
    // run beside a program that is playing.
    if (cmd.report) {
        if (!writeReport) {
            std::fprintf(stderr, "szeptaczki: this build has no progress report\n");
            return 2;
        }
        const fs::path statistics = CStatRec::FileNameFor(6);
        return writeReport(statistics, cmd.reportDir.empty() ? statistics.parent_path()
                                                             : fs::absolute(cmd.reportDir, ec));
    }

    InstallPlatformServices(cmd.headless);
    struct ServicesGuard {
        ~ServicesGuard() { ReleasePlatformServices(); }
    } servicesGuard;

    if (cmd.maintenance) {
        WriteResourceReport(startDir);
        return 0;
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

    SingleInstance instance(InstanceName(cmd));
    if (!instance.Acquire()) {
        if (!instance.AskFirstToRaise())
            TheMessageBoxes().Show("Szeptaczki Cz.VI",
                                   "Aplikacja jest aktualnie uruchomiona.\n\n"
                                   "Zamknij proces aplikajcji lub uruchom ponownie komputer."_cp,
                                   MessageIcon::Error);
        return 0;
    }

    PlatformOptions options;
    options.headless = cmd.headless;
    options.windowed = cmd.windowed;
    options.screenWidth = cmd.screenWidth;
    options.screenHeight = cmd.screenHeight;
    options.scale = !cmd.noScale;
    options.scriptFile = cmd.script;
    options.title = "S-Szeptaczki Cz.VI";
    std::unique_ptr<TApplication> app;
    try {
        app = CreateApplication(options);
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
        app->ProcessMessages();
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

            program.formMain = std::make_unique<TFormMain>(*app);
            app->SetMainForm(*program.formMain);
            program.formKomunikat = std::make_unique<TFormKomunikat>(*app);
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
