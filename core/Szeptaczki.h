// The entry routine: command line, start-up, the message loop and the clean-up.
#pragma once

#include <filesystem>

int RunSzeptaczki(int argc, char** argv);

// Maintenance mode: checks the word files of the program's directory and,
// when something is missing or surplus, writes "Raport zasobów.txt" into
// reportDir; the outcome is told in a message box.
void WriteResourceReport(const std::filesystem::path& reportDir);
