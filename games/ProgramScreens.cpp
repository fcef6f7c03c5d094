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

// The memory game as the main menu sees it: the menu filters its words itself.
class MemoryScreen final : public CScreenOwner, public CGameScreen {
public:
    explicit MemoryScreen(TApplication& app)
    {
        CreateFormMemory3(app, *Slowa, *StatRec, *FormKoniecGry);
        RegisterGameScreen(this);
    }
    ~MemoryScreen() override
    {
        UnregisterGameScreen(this);
        FormMemory3.reset();
    }
    int GameId() const override { return 3; }
    bool EnoughWords() override { return true; }
    int ShowGame() override { return FormMemory3->ShowModal(); }
};

// The forklift game as the main menu sees it.
class WidlakScreen final : public CScreenOwner, public CGameScreen {
public:
    explicit WidlakScreen(TApplication& app) : form_(app, *Slowa, *StatRec, FormKoniecGry)
    {
        RegisterGameScreen(this);
    }
    ~WidlakScreen() override { UnregisterGameScreen(this); }
    int GameId() const override { return 4; }
    bool EnoughWords() override { return form_.EnoughWords(); }
    int ShowGame() override { return form_.ShowModal(); }

private:
    TFormWidlak form_;
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
        [](TApplication& app) -> std::unique_ptr<CScreenOwner> { return std::make_unique<WidlakScreen>(app); },
        [](TApplication& app) -> std::unique_ptr<CScreenOwner> { return std::make_unique<AboutScreen>(app); },
        MakeFormGlos,
    };
}
