#include "games/ProgramScreens.h"

#include "games/train/FormPociag.h"

std::vector<ScreenMaker> ProgramScreens()
{
    // Start-up order: memory, train, conveyor, suction cups, forklift, about.
    // The games register here as they join the program.
    return {MakeFormPociag};
}
