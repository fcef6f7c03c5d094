// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The screen part every game shares: answers, the end of a game, the close request.
#include "games/common/GameScreen.h"

#include "core/AnswerJournal.h"
#include "core/CStatRec.h"
#include "screens/FormKoniecGry.h"

GameScreen::GameScreen(TApplication& app, std::string name, int width, int height, CSlowa& words, CStatRec& stats,
                       TForm* summary)
    : TForm(app, std::move(name), width, height), words_(words), stats_(stats), summary_(summary)
{
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, width, height);
    // Closing the window or ending the session stops a game as its button
    // does, so that the game is recorded.
    OnCloseRequest = [this] {
        if (running_)
            EndGame();
        else
            Close();
    };
    OnClose = [this](TCloseAction& action) {
        running_ = false;
        FormClose(action);
    };
    RegisterGameScreen(this);
}

GameScreen::~GameScreen() { UnregisterGameScreen(this); }

int GameScreen::ByAmount(int poziom, int few, int medium, int many)
{
    return poziom == 1 ? few : poziom == 2 ? medium : poziom == 3 ? many : 0;
}

void GameScreen::BeginGame(CUstGry& settings)
{
    running_ = true;
    stats_.StartGame(settings);
}

namespace {

AnswerOutcome OutcomeOf(AnswerKind kind)
{
    switch (kind) {
    case AnswerKind::Right: return AnswerOutcome::Right;
    case AnswerKind::Wrong: return AnswerOutcome::Wrong;
    case AnswerKind::Hint: return AnswerOutcome::Hint;
    case AnswerKind::Unsolved: break;
    }
    return AnswerOutcome::UnsolvedAtStop;
}

}  // namespace

void GameScreen::ReportAnswer(AnswerKind kind, const CSlowa::SPaczka* word, int counted)
{
    for (int n = 0; n < counted; ++n) {
        switch (kind) {
        case AnswerKind::Right: stats_.AddCorrect(); break;
        case AnswerKind::Wrong:
        case AnswerKind::Unsolved: stats_.AddWrong(); break;
        case AnswerKind::Hint: stats_.AddHint(); break;
        }
    }
    NoteAnswer(OutcomeOf(kind), word);
    if (OnAnswer)
        OnAnswer({GameId(), kind, word});
}

void GameScreen::EndGame()
{
    if (!running_)
        return;
    running_ = false;
    StopPlay();
    const std::vector<const CSlowa::SPaczka*> left = UnsolvedWords();
    for (const CSlowa::SPaczka* word : left)
        ReportAnswer(AnswerKind::Unsolved, word, WrongPerUnsolved());
    stats_.StopGame();
    stats_.Save(left.empty() ? 1 : 0);
    JournalGameEnded();
    Saved(left.empty());
    const int result = summary_ != nullptr ? summary_->ShowModal() : TFormKoniecGry::kBackToMenu;
    if (result == TFormKoniecGry::kNewGame)
        NewGame();
    else
        Close();
}

void GameScreen::Saved(bool) {}

void GameScreen::FormClose(TCloseAction&) {}
