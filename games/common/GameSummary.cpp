#include "games/common/GameSummary.h"

#include "platform/Action.h"
#include "platform/Form.h"
#include "screens/FormKoniecGry.h"

void ShowSummaryThenContinue(TFormKoniecGry* summary, TAction& newGame, TForm& screen)
{
    const int result = summary != nullptr ? summary->ShowModal() : TFormKoniecGry::kBackToMenu;
    if (result == TFormKoniecGry::kNewGame)
        newGame.Execute();
    else
        screen.Close();
}
