// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Generates the whole interface set and, on request, contact sheets of it.
#include "tools/datagen/InterfaceArt.h"

#include <stdexcept>

#include "tools/datagen/InterfaceFonts.h"
#include "tools/datagen/InterfaceParts.h"
#include "tools/datagen/InterfaceWriter.h"

namespace {

void GenerateAll(InterfaceWriter& out, const std::filesystem::path& programDir)
{
    GenerateLibrary(out);
    for (const UiMode& m : UiModes()) {
        GenerateMenu(out, m);
        GenerateTrain(out, m);
        GenerateMemory(out, m);
        GenerateConveyor(out, m);
        GenerateSuction(out, m);
        GenerateAbout(out, m);
        GenerateForklift(out, m);
        GenerateArrows(out, m);
        GenerateVoice(out, m);
    }
    GenerateScreens(out);
    GenerateChildren(out);
    WriteFontCollectionFile(ProgramFile(programDir, kFontCollectionPath));
    const auto missing = out.Missing();
    if (!missing.empty())
        throw std::logic_error("interface pictures not drawn: " + missing.front());
}

} // namespace

void GenerateInterface(const std::filesystem::path& programDir)
{
    InterfaceWriter out(programDir);
    GenerateAll(out, programDir);
}

void GenerateInterface(const std::filesystem::path& programDir, const std::filesystem::path& previewDir)
{
    InterfaceWriter out(programDir);
    out.KeepPreviews(true);
    GenerateAll(out, programDir);
    WriteContactSheets(out.Previews(), previewDir);
}
