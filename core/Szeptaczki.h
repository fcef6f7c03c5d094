// The entry routine: command line, start-up, the message loop and the clean-up.
#pragma once

int RunSzeptaczki(int argc, char** argv);
