// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording, shaping, playing back and keeping takes.
#include "voice/TakeRecorder.h"

#include <system_error>

#include "platform/MediaPlayer.h"
#include "platform/Paths.h"
#include "platform/SoundServices.h"
#include "platform/Text.h"
#include "platform/WaveFile.h"
#include "voice/VoiceLibrary.h"

namespace fs = std::filesystem;

namespace {

// Hidden names in the voice folder: the raw take and the shaped one played back.
constexpr const char* kRawTake = ".nagranie.wav";
constexpr const char* kShapedTake = ".proba.wav";

}  // namespace

TakeRecorder::TakeRecorder(std::function<void()> ended) : player_(CreateMediaPlayer()), ended_(std::move(ended))
{
    player_->Notify = true;
    player_->OnNotify = [this] { PlayerEnded(); };
}

TakeRecorder::~TakeRecorder()
{
    Close();
}

bool TakeRecorder::Playing() const
{
    return player_->Mode() == MediaMode::Playing;
}

int TakeRecorder::RecordedMs() const
{
    return state_ == State::Recording ? player_->Length() : 0;
}

fs::path TakeRecorder::Scratch(const char* name) const
{
    const fs::path& folder = CurrentProgramPlaces().voice;
    return folder.empty() ? fs::path() : folder / name;
}

bool TakeRecorder::Start(std::size_t entry, std::string& error)
{
    Discard();
    const fs::path raw = Scratch(kRawTake);
    std::error_code ec;
    if (raw.empty() || (fs::create_directories(raw.parent_path(), ec), ec) ||
        !WriteFileAtomically(raw, EmptyRecordingWave())) {
        error = "Nie można nagrywać: nie da się zapisać pliku w folderze "_cp +
                Utf8ToCp1250(raw.parent_path().string()) + ". Sprawdź, czy na dysku jest miejsce."_cp;
        return false;
    }
    if (!player_->Open(raw) || !player_->StartRecording(kRecordingLimitMs)) {
        error = player_->ErrorMessage();
        player_->Close();
        return false;
    }
    entry_ = entry;
    state_ = State::Recording;
    return true;
}

TakeVerdict TakeRecorder::Finish()
{
    if (state_ != State::Recording)
        return verdict_;
    player_->Stop();
    const fs::path raw = player_->FileName();
    const bool saved = player_->Save();
    const std::string playerError = player_->ErrorMessage();
    player_->Close();
    state_ = State::Idle;
    WaveData wave;
    if (!saved || !LoadWaveFile(raw, wave) || wave.sampleRate != kRecordingRate || wave.channels != 1 ||
        wave.bitsPerSample != 16) {
        verdict_ = TakeVerdict::Silent;
        message_ = saved ? "Nie udało się odczytać nagrania z pliku "_cp + Utf8ToCp1250(raw.string()) + "."
                         : playerError;
        return verdict_;
    }
    const ProcessedTake take = ProcessTake(Samples16(wave));
    verdict_ = take.verdict;
    message_ = TakeVerdictText(verdict_);
    if (verdict_ != TakeVerdict::Kept)
        return verdict_;
    take_ = BuildRecordingWave(take.samples);
    state_ = State::Reviewing;
    std::string unused;
    PlayTake(unused);
    return verdict_;
}

void TakeRecorder::Discard()
{
    if (state_ == State::Recording)
        player_->Stop();
    player_->Close();
    state_ = State::Idle;
    take_.clear();
}

bool TakeRecorder::Accept(VoiceLibrary& library, std::string& error)
{
    if (state_ != State::Reviewing)
        return false;
    player_->Close();
    if (!library.Keep(entry_, take_, error))
        return false;  // the take stays waiting: nothing is lost
    state_ = State::Idle;
    take_.clear();
    return true;
}

bool TakeRecorder::Play(const fs::path& file, std::string& error)
{
    if (state_ == State::Recording)
        return false;
    if (!player_->Open(file) || !player_->Play()) {
        error = player_->ErrorMessage();
        player_->Close();
        return false;
    }
    return true;
}

bool TakeRecorder::PlayTake(std::string& error)
{
    if (state_ != State::Reviewing)
        return false;
    // Played from a file of its own: the player reads files, and a take
    // that cannot be written there still waits to be accepted.
    const fs::path shaped = Scratch(kShapedTake);
    if (!WriteFileAtomically(shaped, take_)) {
        error = "Nie można odtworzyć nagrania: brak miejsca na dysku?"_cp;
        return false;
    }
    return Play(shaped, error);
}

void TakeRecorder::StopSound()
{
    if (state_ != State::Recording)
        player_->Close();
}

void TakeRecorder::Close()
{
    Discard();
    for (const char* name : {kRawTake, kShapedTake}) {
        const fs::path file = Scratch(name);
        std::error_code ec;
        if (!file.empty())
            fs::remove(file, ec);
    }
}

void TakeRecorder::PlayerEnded()
{
    if (state_ == State::Recording)
        Finish();
    else
        player_->Close();
    if (ended_)
        ended_();
}
