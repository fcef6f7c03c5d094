// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AnswerJournal.h"

#include <cstdio>

#include "core/CStatRec.h"
#include "core/SoundCodes.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Text.h"

AnswerJournal* TheAnswerJournal = nullptr;

AnswerJournal::AnswerJournal(const CStatRec* stats) : stats_(stats) {}

AnswerJournal::~AnswerJournal()
{
    Close();
    if (TheAnswerJournal == this)
        TheAnswerJournal = nullptr;
}

void AnswerJournal::Open()
{
    journal_.Close();
    file_ = NativePath(Journal::kFileName);
    gameStartedMs_ = -1;
}

void AnswerJournal::Close()
{
    journal_.Close();
    if (journal_.Pending() > 0)
        std::fprintf(stderr, "szeptaczki: journal of answers: %zu answers could not be written\n",
                     journal_.Pending());
    journal_.DropPending();
    file_.clear();
}

void AnswerJournal::Note(AnswerOutcome outcome, const CSlowa::SPaczka* word, int32_t tookMs)
{
    JournalAnswer a;
    a.atMs = JournalTimeOf(TheClock().UniversalTime());
    if (stats_) {
        a.game = stats_->GameId;
        a.gameStartedMs = JournalTimeOf(stats_->StartTime);
    }
    if (word) {
        a.wordKey = Cp1250ToUtf8(word->Key);
        a.wordText = JournalWordText(*word);
        a.sound = word->Flags & GL_WSZYSTKIE;
        a.position = word->Flags & POZ_WSZYSTKIE;
    }
    a.outcome = outcome;
    if (tookMs < 0) {
        const int64_t since = a.gameStartedMs == gameStartedMs_ ? previousMs_ : a.gameStartedMs;
        const int64_t took = a.atMs - since;
        tookMs = took < 0 ? 0 : took > INT32_MAX ? INT32_MAX : static_cast<int32_t>(took);
    }
    a.tookMs = tookMs;
    if (outcome == AnswerOutcome::Right || outcome == AnswerOutcome::Wrong) {
        gameStartedMs_ = a.gameStartedMs;
        previousMs_ = a.atMs;
    }
    if (!journal_.IsOpen() && !file_.empty()) {
        const bool opened = journal_.Open(file_);
        if (!opened)
            TellProblem("");
        else if (!journal_.SetAside().empty())
            std::fprintf(stderr, "szeptaczki: journal of answers: %s\n", journal_.Problem().c_str());
    }
    if (!journal_.Record(a))
        TellProblem(" (the answers are kept to write later)");
}

void AnswerJournal::TellProblem(const char* what)
{
    if (toldProblem_)
        return;
    toldProblem_ = true;
    std::fprintf(stderr, "szeptaczki: journal of answers: %s%s\n", journal_.Problem().c_str(), what);
}

void AnswerJournal::GameEnded()
{
    if (journal_.Pending() == 0 || toldNotWritten_)
        return;
    toldNotWritten_ = true;
    if (OnNotWritten)
        OnNotWritten(journal_.ProblemKind());
}

void NoteAnswer(AnswerOutcome outcome, const CSlowa::SPaczka* word, int32_t tookMs)
{
    if (TheAnswerJournal)
        TheAnswerJournal->Note(outcome, word, tookMs);
}

void JournalGameEnded()
{
    if (TheAnswerJournal)
        TheAnswerJournal->GameEnded();
}

int64_t JournalTimeOf(const SystemTime& utc)
{
    constexpr int64_t kTicksTo1970 = 116444736000000000;  // 100 ns from 1601 to 1970
    return (SystemTimeToTicks(utc) - kTicksTo1970) / 10000;
}

std::string JournalWordText(const CSlowa::SPaczka& word)
{
    std::string letters;
    for (const char ch : word.Notation)
        if (ch != ',' && ch != '_' && ch != ' ')
            letters += static_cast<char>(LowerCp1250(static_cast<unsigned char>(ch)));
    return Cp1250ToUtf8(letters);
}
