// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program in the test process, on the generated data tree: the
// headless application with a script, the catalogue, the statistics, the
// main menu and every screen, made as start-up makes them. Tests may watch
// the screens (to learn a deal) while the script drives them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/AnswerJournal.h"
#include "core/CSlowa.h"
#include "core/CStatRec.h"
#include "core/FormMain.h"
#include "core/Program.h"
#include "platform/Application.h"
#include "screens/FormKomunikat.h"
#include "screens/FormDzieci.h"
#include "screens/FormKoniecGry.h"
#include "tests/TestSupport.h"

class ProgramRig {
public:
    // False from Ready() when there is no generated tree to run on. With
    // scale the display has the given size and shows the program scaled.
    // prepare may add files to the program's directory before anything is
    // loaded.
    ProgramRig(int width, int height, const std::string& script, uint64_t seed, bool scale = false,
               const std::function<void(const TempDir&)>& prepare = {});
    ~ProgramRig();

    bool Ready() const { return ready_; }
    // Runs the message loop until the script ends or the menu closes.
    int Run();
    const TempDir& Dir() const { return sandbox_.Dir(); }
    TApplication& App() { return *app_; }

private:
    ProgramSandbox sandbox_;
    bool ready_ = false;
    std::unique_ptr<TApplication> app_;
    std::unique_ptr<CSlowa> slowa_;
    std::unique_ptr<CStatRec> statRec_;
    std::unique_ptr<AnswerJournal> journal_;
    std::unique_ptr<TFormMain> main_;
    std::unique_ptr<TFormKomunikat> komunikat_;
    std::unique_ptr<TFormDzieci> dzieci_;
    std::unique_ptr<TFormKoniecGry> koniecGry_;
    std::vector<std::unique_ptr<CScreenOwner>> screens_;
};
