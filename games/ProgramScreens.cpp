// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/ProgramScreens.h"

#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "games/conveyor/FormTasmociag.h"
#include "games/forklift/FormWidlak.h"
#include "games/memory/FormMemory3.h"
#include "games/suction/FormPrzyssawki.h"
#include "games/train/FormPociag.h"
#include "screens/FormKoniecGry.h"
#include "screens/FormOProgramie.h"
#include "voice/FormGlos.h"

namespace {

// The memory screen lives in FormMemory3 (the tests make it there too): this
// owns it until the clean-up.
class MemoryScreen final : public CScreenOwner {
public:
    explicit MemoryScreen(TApplication& app) { CreateFormMemory3(app, *Slowa, *StatRec, *FormKoniecGry); }
    ~MemoryScreen() override { FormMemory3.reset(); }
};

// The about screen, owned until the clean-up.
class AboutScreen final : public CScreenOwner {
public:
    explicit AboutScreen(TApplication& app) : form_(app) {}

private:
    TFormOProgramie form_;
};

}  // namespace

std::vector<ScreenMaker> ProgramScreens()
{
    // Start-up order: memory, train, conveyor, suction cups, forklift, about, voice.
    return {
        [](TApplication& app) -> std::unique_ptr<CScreenOwner> { return std::make_unique<MemoryScreen>(app); },
        MakeFormPociag,
        MakeFormTasmociag,
        MakeFormPrzyssawki,
        [](TApplication& app) -> std::unique_ptr<CScreenOwner> {
            return std::make_unique<TFormWidlak>(app, *Slowa, *StatRec, FormKoniecGry);
        },
        [](TApplication& app) -> std::unique_ptr<CScreenOwner> { return std::make_unique<AboutScreen>(app); },
        MakeFormGlos,
    };
}
