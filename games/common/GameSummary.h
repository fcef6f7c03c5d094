// The end every game shares once its record is saved: the summary shown
// modally, then a new game with the same settings or back to the menu.
#pragma once

class TAction;
class TForm;
class TFormKoniecGry;

// With no summary screen (a screen built alone in a test) the game goes back
// to the menu.
void ShowSummaryThenContinue(TFormKoniecGry* summary, TAction& newGame, TForm& screen);
