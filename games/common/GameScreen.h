// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every game screen has, whatever its game: its place among the screens
// the main menu starts, the statistics of the game being played, the one
// place every answer of the child passes, the end of a game (the items still
// unsolved counted, the record saved, the summary, then a new game or back
// to the menu) and the window's close request, which stops a running game
// as its stop button does. A game is a subclass with its rules and drawing:
// it says when a game begins, reports its answers and names what is left.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/CSlowa.h"
#include "core/Program.h"
#include "games/common/AnswerKind.h"
#include "platform/Form.h"

class CStatRec;
class CUstGry;

class GameScreen : public TForm, public CGameScreen, public CScreenOwner {
public:
    // One answer as every game reports it; word is the catalogue's record of
    // the word concerned, nullptr where an answer concerns no single word
    // (the memory game's hint shows every card).
    struct SAnswer {
        int gameId;
        AnswerKind kind;
        const CSlowa::SPaczka* word;
    };

    ~GameScreen() override;

    int ShowGame() override { return ShowModal(); }
    // What a game takes for the amount of its settings: few (1), medium (2)
    // or many (3); 0 for any other value, which then is no game at all.
    static int ByAmount(int poziom, int few, int medium, int many);
    // From the start of a game until it ends or the screen closes.
    bool Running() const { return running_; }

    // Hears every answer once the statistics have counted it.
    std::function<void(const SAnswer&)> OnAnswer;

protected:
    // summary: the end-of-game summary, whose modal result 1 plays again;
    // without one (a screen made alone in a test) the game goes back to the
    // menu. Registers the screen with the main menu.
    GameScreen(TApplication& app, std::string name, int width, int height, CSlowa& words, CStatRec& stats,
               TForm* summary);

    CSlowa& Words() const { return words_; }
    CStatRec& Stats() const { return stats_; }

    // The game is dealt and play begins: the statistics start counting.
    void BeginGame(CUstGry& settings);
    // The one place every answer passes: the statistics count it (counted
    // times: the memory game counts a pair found quickly twice and one found
    // very late not at all), the child's journal of answers gets one row for
    // it, then OnAnswer hears it. One answer is what the game calls one: a
    // can into a pipe, a pair of cards turned, ...
    void ReportAnswer(AnswerKind kind, const CSlowa::SPaczka* word, int counted = 1);
    void Right(const CSlowa::SPaczka* word) { ReportAnswer(AnswerKind::Right, word); }
    void Wrong(const CSlowa::SPaczka* word) { ReportAnswer(AnswerKind::Wrong, word); }
    void HintShown(const CSlowa::SPaczka* word) { ReportAnswer(AnswerKind::Hint, word); }
    // Ends the game under way (nothing when none is): StopPlay, each item
    // UnsolvedWords names counted wrong (WrongPerUnsolved times) and
    // journaled as left unsolved, the record saved (complete when nothing
    // was left), Saved, then the summary: a new game (NewGame) or the
    // screen closes.
    void EndGame();

    // The game's own part of the end: stop its loops, let go of held keys.
    virtual void StopPlay() {}
    // The items not yet solved, one entry for each answer still owed.
    virtual std::vector<const CSlowa::SPaczka*> UnsolvedWords() const = 0;
    // How many wrong answers the statistics count for one unsolved item.
    virtual int WrongPerUnsolved() const { return 1; }
    // The record is saved; the summary comes next.
    virtual void Saved(bool complete);
    // Runs the game's new-game action (from the summary).
    virtual void NewGame() = 0;
    // The window's close handler, after the game has stopped running.
    virtual void FormClose(TCloseAction& action);

private:
    CSlowa& words_;
    CStatRec& stats_;
    TForm* summary_;
    bool running_ = false;
};
