// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder of the recording tab on the program's media player.
#include "recording/CNagrywanie.h"

#include <system_error>

#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/Paths.h"
#include "platform/SoundServices.h"
#include "platform/WaveFile.h"

namespace {

// A slot that has never been recorded gets a header-only wave file, so that
// the player has a file to open and record into.
bool MakeEmptyRecording(const std::filesystem::path& file, FileProblem& problem)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        return true;
    // The folder may have been removed while the program ran.
    std::filesystem::create_directories(file.parent_path(), ec);
    return WriteFileAtomically(file, EmptyRecordingWave(), &problem);
}

}  // namespace

CNagrywanie::CNagrywanie(std::function<void()> recordEnd, std::function<void()> playEnd)
    : player_(CreateMediaPlayer()), recordEnd_(std::move(recordEnd)), playEnd_(std::move(playEnd))
{
    player_->Notify = false;
    player_->OnNotify = [this] { PlayerNotify(); };
}

CNagrywanie::~CNagrywanie()
{
    Close();
}

bool CNagrywanie::Open(const std::string& fileName)
{
    Close();
    const std::filesystem::path file = NativePath(fileName);
    writeProblem_ = FileProblem::None;
    if (MakeEmptyRecording(file, writeProblem_))
        open_ = player_->Open(file);
    return open_;
}

bool CNagrywanie::Record(int limitMs)
{
    if (!open_)
        return false;
    if (recording_)
        return true;
    if (playing_)
        Stop();
    // The file is not emptied before recording: the player replaces it only
    // with a complete new recording, so a recording that fails to start or to
    // be written leaves the previous one playable.
    player_->Notify = true;
    if (!player_->StartRecording(limitMs)) {
        player_->Notify = false;
        return false;
    }
    recording_ = true;
    saveFailed_ = false;
    return true;
}

bool CNagrywanie::Play()
{
    if (!open_)
        return false;
    if (playing_)
        return true;
    if (recording_)
        Stop();
    player_->Notify = true;
    if (!player_->Play()) {
        player_->Notify = false;
        return false;
    }
    playing_ = true;
    return true;
}

void CNagrywanie::Stop()
{
    if (!open_)
        return;
    player_->Notify = false;
    player_->Stop();
    playing_ = false;
    if (recording_) {
        recording_ = false;
        SaveRecording();
    }
}

void CNagrywanie::Close()
{
    if (!open_)
        return;
    if (recording_ || playing_)
        Stop();
    player_->Close();
    open_ = false;
}

void CNagrywanie::StartMusic()
{
    if (!musicEnabled_ || recording_ || playing_)
        return;
    if (!FileExists(kMusicFile)) {
        Close();
        player_->Notify = false;
        playing_ = false;
        return;
    }
    Close();
    open_ = player_->Open(NativePath(kMusicFile));
    if (!open_)
        return;
    // The music plays once to its end and reports nothing.
    player_->Notify = false;
    playing_ = player_->Play();
}

void CNagrywanie::MusicOff()
{
    StopMusic();
    musicEnabled_ = false;
}

bool CNagrywanie::HasError() const
{
    return !player_->ErrorMessage().empty();
}

std::string CNagrywanie::ErrorText() const
{
    return player_->ErrorMessage();
}

void CNagrywanie::PlayerNotify()
{
    // The device is given a moment to settle before the file is touched again.
    TheClock().Sleep(5);
    if (!open_)
        return;
    if (player_->Mode() != MediaMode::Stopped)
        return;
    if (recording_) {
        recording_ = false;
        SaveRecording();
        if (recordEnd_)
            recordEnd_();
    } else if (playing_) {
        playing_ = false;
        if (playEnd_)
            playEnd_();
    }
}

void CNagrywanie::SaveRecording()
{
    saveFailed_ = !player_->Save();
    writeProblem_ = saveFailed_ ? player_->WriteProblem() : FileProblem::None;
}
