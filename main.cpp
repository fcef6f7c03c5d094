// The program's entry point: everything else lives in the library.
#include "core/Szeptaczki.h"
#include "games/ProgramScreens.h"

int main(int argc, char** argv)
{
    return RunSzeptaczki(argc, argv, ProgramScreens());
}
