// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportNames.h"

#include <array>

#include "core/SoundCodes.h"

namespace {

const std::array<const char*, kReportGameCount> kGames = {"Pociąg", "Przyssawki", "Memory", "Widlak", "Taśmociąg"};
// In the order of the sound bits, 0x001 to 0x800.
const std::array<const char*, kReportSoundCount> kSounds = {"SZ", "Ż", "CZ", "DŻ", "S", "Z",
                                                             "C",  "DZ", "Ś", "Ź",  "Ć", "DŹ"};
const std::array<const char*, kReportPositionCount> kPositions = {"nagłos", "śródgłos", "wygłos"};

template <std::size_t N>
std::string ListOf(int32_t bits, const std::array<const char*, N>& names)
{
    std::string out;
    for (std::size_t i = 0; i < N; ++i) {
        if (bits & (1 << i)) {
            if (!out.empty())
                out += ", ";
            out += names[i];
        }
    }
    return out.empty() ? "—" : out;
}

}  // namespace

std::string GameName(int32_t gameId)
{
    if (gameId >= 1 && gameId <= kReportGameCount)
        return kGames[static_cast<std::size_t>(gameId - 1)];
    return "gra nr " + std::to_string(gameId);
}

std::string SoundName(int index)
{
    return kSounds.at(static_cast<std::size_t>(index));
}

std::string PositionName(int index)
{
    return kPositions.at(static_cast<std::size_t>(index));
}

std::string SoundList(int32_t mask)
{
    return ListOf(mask & GL_WSZYSTKIE, kSounds);
}

std::string PositionList(int32_t mask)
{
    return ListOf((mask & POZ_WSZYSTKIE) >> 12, kPositions);
}

std::string AmountName(int32_t poziom)
{
    switch (poziom) {
    case 1:
        return "mało";
    case 2:
        return "średnio";
    case 3:
        return "dużo";
    default:
        return "?";
    }
}

std::string ProblemText(const StatFileProblem& p, int32_t expected)
{
    const std::string n = std::to_string(p.detail);
    switch (p.kind) {
    case StatFileProblem::Missing:
        return "Nie ma jeszcze pliku statystyk: żadna gra nie została zapisana.";
    case StatFileProblem::Unreadable:
        return "Pliku statystyk nie udało się odczytać.";
    case StatFileProblem::Empty:
        return "Plik statystyk jest pusty (nie ma w nim nawet nagłówka).";
    case StatFileProblem::ShortHeader:
        return "Nagłówek pliku statystyk jest niepełny (" + n + " z 20 bajtów); plik nie zawiera zapisów gier.";
    case StatFileProblem::OtherProgram:
        return "Nagłówek pliku statystyk podaje program numer " + n + " zamiast " + std::to_string(expected) +
               "; zapisy gier zostały mimo to odczytane.";
    case StatFileProblem::PartialRecord:
        return "Ostatni zapis gry jest niepełny (" + n + " z 44 bajtów) i został pominięty.";
    }
    return {};
}
