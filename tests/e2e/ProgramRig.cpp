// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/e2e/ProgramRig.h"

#include "core/CUstGry.h"
#include "games/ProgramScreens.h"
#include "graphics/CDisplay.h"
#include "graphics/GlobalFonts.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Services.h"

ProgramRig::ProgramRig(int width, int height, const std::string& script, uint64_t seed, bool scale,
                       const std::function<void(const TempDir&)>& prepare)
{
    if (!LinkGeneratedTree(sandbox_.Root()))
        return;
    if (prepare)
        prepare(sandbox_.Dir());
    InstallPlatformServices(true);
    SeedRandom(seed);
    PlatformOptions options;
    options.headless = true;
    options.screenWidth = width;
    options.screenHeight = height;
    options.scriptText = script;
    options.scale = scale;
    app_ = CreateApplication(options);
    Application = app_.get();
    SetDisplay(app_->ScreenWidth(), app_->ScreenHeight());
    if (!LoadGlobalFonts(Display().Mode()) || !LoadSettings())
        return;
    slowa_ = std::make_unique<CSlowa>();
    Slowa = slowa_.get();
    statRec_ = std::make_unique<CStatRec>(6, nullptr);
    StatRec = statRec_.get();
    journal_ = std::make_unique<AnswerJournal>(statRec_.get());
    TheAnswerJournal = journal_.get();
    journal_->Open();
    main_ = std::make_unique<TFormMain>(*app_);
    app_->SetMainForm(*main_);
    komunikat_ = std::make_unique<TFormKomunikat>(*app_);
    dzieci_ = std::make_unique<TFormDzieci>(*app_);
    koniecGry_ = std::make_unique<TFormKoniecGry>(*app_, *statRec_);
    for (const ScreenMaker& make : ProgramScreens())
        screens_.push_back(make(*app_));
    ready_ = true;
}

ProgramRig::~ProgramRig()
{
    while (!screens_.empty())
        screens_.pop_back();
    koniecGry_.reset();
    dzieci_.reset();
    komunikat_.reset();
    main_.reset();
    journal_.reset();
    StatRec = nullptr;
    statRec_.reset();
    Slowa = nullptr;
    slowa_.reset();
    app_.reset();
    Application = nullptr;
    ReleasePlatformServices();
    // The settings records are the program's globals: the next test starts afresh.
    for (CUstGry* settings : {&UstPociag, &UstPrzyssawki, &UstMemory3, &UstWidlak, &UstTasmociag})
        *settings = CUstGry(settings->GameId, settings->Name);
    Zakladka = 1;
    LU = 0;
}

int ProgramRig::Run()
{
    return app_->Run();
}
