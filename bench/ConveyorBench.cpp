// One frame of the conveyor game at 1280 x 1024 with a full belt: erase,
// update, draw and the copy of the moving areas to the paint box, without
// the wait for the frame boundary. Runs on the generated data tree beside
// the benchmark program (build/Data), in a scratch program directory so the
// statistics file of the build is left alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include <unistd.h>

#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/Program.h"
#include "games/conveyor/FormTasmociag.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Services.h"

namespace fs = std::filesystem;

namespace {

// A program directory whose Data and RESOURCE folders are the built ones.
bool LinkBuiltTree(const fs::path& root)
{
    std::error_code ec;
    const fs::path built = fs::canonical("/proc/self/exe", ec).parent_path();
    if (ec || !fs::exists(built / "Data" / ".generated"))
        return false;
    fs::create_directories(root / "Data");
    for (const auto& entry : fs::directory_iterator(built / "Data"))
        if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), root / "Data" / entry.path().filename());
    if (fs::exists(built / "RESOURCE"))
        fs::create_directory_symlink(built / "RESOURCE", root / "RESOURCE");
    return true;
}

void BM_ConveyorFrame(benchmark::State& state)
{
    const fs::path root = fs::temp_directory_path() / ("sz-conveyor-bench-" + std::to_string(::getpid()));
    fs::remove_all(root);
    if (!LinkBuiltTree(root)) {
        state.SkipWithError("no generated data tree beside the benchmark (szeptaczki-datagen build)");
        return;
    }
    const fs::path previousDir = ProgramDir();
    SetProgramDir(root);
    auto previousClock = InstallClock(std::make_unique<VirtualClock>());
    InstallPlatformServices(true);
    PlatformOptions options;
    options.headless = true;
    options.screenWidth = 1280;
    options.screenHeight = 1024;
    options.scriptText = "# no input\n";
    {
        auto app = CreateApplication(options);
        Application = app.get();
        SetDisplay(1280, 1024);
        if (!LoadGlobalFonts(Display().Mode()) || !LoadSettings()) {
            state.SkipWithError("the generated tree lacks fonts or settings");
        } else {
            auto slowa = std::make_unique<CSlowa>();
            Slowa = slowa.get();
            auto stats = std::make_unique<CStatRec>(6, nullptr);
            StatRec = stats.get();
            {
                TFormTasmociag form(*app);
                UstTasmociag.Poziom = 3;  // thirty cans: the belt stays full
                form.EnoughWords();
                form.Show();
                app->ProcessMessages();
                // Until the cans cover the belt from edge to edge.
                for (int i = 0; i < 600; ++i)
                    form.FrameUpdate();
                int frame = 0;
                int key = VK_LEFT;
                form.OnKeyDown(key, 0);
                for (auto _ : state) {
                    // The crane travels to and fro, so it is erased and drawn too.
                    if (++frame % 100 == 0) {
                        form.OnKeyUp(key, 0);
                        key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
                        form.OnKeyDown(key, 0);
                    }
                    form.FrameUpdate();
                    form.FramePresent();
                }
                state.counters["cans"] = form.Belt().Count();
                form.Close();
            }
            StatRec = nullptr;
            Slowa = nullptr;
        }
        Application = nullptr;
    }
    ReleasePlatformServices();
    InstallClock(std::move(previousClock));
    SetProgramDir(previousDir);
    UstTasmociag = CUstGry(UstTasmociag.GameId, UstTasmociag.Name);
    fs::remove_all(root);
}

}  // namespace

BENCHMARK(BM_ConveyorFrame)->Unit(benchmark::kMicrosecond);
