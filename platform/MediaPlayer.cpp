// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The device-independent half of the media player.
#include "platform/MediaPlayer.h"

#include <cstdio>
#include <system_error>

#include "platform/MainThread.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

std::string Quoted(const std::filesystem::path& path)
{
    // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) where a literal is
    // put before a string.
    std::string quoted(1, '"');
    quoted += Utf8ToCp1250(path.string());
    quoted += '"';
    return quoted;
}

}  // namespace

MediaPlayer::MediaPlayer() : life_(std::make_shared<MediaPlayer*>(this)) {}

MediaPlayer::~MediaPlayer() = default;

bool MediaPlayer::Open(const std::filesystem::path& file)
{
    Close();
    error_.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        error_ = "Nie można otworzyć pliku "_cp + Quoted(file) + ", ponieważ nie istnieje."_cp;
        return false;
    }
    file_ = file;
    playable_ = LoadWaveFile(file, wave_);
    if (!playable_)
        wave_ = WaveData{};
    open_ = true;
    mode_ = MediaMode::Stopped;
    return true;
}

void MediaPlayer::Close()
{
    if (!open_)
        return;
    Stop();
    open_ = false;
    playable_ = false;
    wave_ = WaveData{};
    hasUnsaved_ = false;
    unsaved_.clear();
    mode_ = MediaMode::NotReady;
}

bool MediaPlayer::Play()
{
    error_.clear();
    if (!open_) {
        error_ = "Nie otwarto żadnego pliku dźwiękowego."_cp;
        return false;
    }
    if (mode_ != MediaMode::Stopped)
        Stop();
    if (!playable_) {
        error_ = "Plik "_cp + Quoted(file_) + " jest uszkodzony albo nie zawiera dźwięku w obsługiwanym formacie."_cp;
        return false;
    }
    if (!BeginPlayback(wave_, MakeEndSignal())) {
        if (error_.empty())
            error_ = "Nie można odtworzyć pliku "_cp + Quoted(file_) + "."_cp;
        return false;
    }
    mode_ = MediaMode::Playing;
    return true;
}

bool MediaPlayer::StartRecording(int limitMs)
{
    error_.clear();
    if (!open_) {
        error_ = "Nie otwarto pliku, do którego ma trafić nagranie."_cp;
        return false;
    }
    if (mode_ == MediaMode::Recording)
        return true;
    if (mode_ == MediaMode::Playing)
        Stop();
    if (!CanWriteBeside(file_)) {
        error_ = "Nie można zapisać nagrania w folderze "_cp + Quoted(file_.parent_path()) +
                 ". Sprawdź, czy folder istnieje i czy wolno w nim zapisywać pliki."_cp;
        return false;
    }
    if (!BeginCapture(limitMs, MakeEndSignal())) {
        if (error_.empty())
            error_ = "Nie można rozpocząć nagrywania."_cp;
        return false;
    }
    mode_ = MediaMode::Recording;
    return true;
}

void MediaPlayer::Stop()
{
    ++operation_;  // an end already on its way belongs to the stopped operation
    if (mode_ == MediaMode::Playing) {
        EndPlayback();
        mode_ = MediaMode::Stopped;
    } else if (mode_ == MediaMode::Recording) {
        FinishRecording();
    }
}

bool MediaPlayer::Save()
{
    if (!hasUnsaved_)
        return true;
    error_.clear();
    return WriteRecording();
}

MediaMode MediaPlayer::Mode() const
{
    return mode_;
}

int MediaPlayer::Length() const
{
    if (mode_ == MediaMode::Recording)
        return CapturedMs();
    return open_ && playable_ ? wave_.DurationMs() : 0;
}

std::function<void()> MediaPlayer::MakeEndSignal()
{
    const uint64_t operation = ++operation_;
    std::weak_ptr<MediaPlayer*> life = life_;
    return [life, operation] {
        PostToMainThread([life, operation] {
            if (auto player = life.lock())
                (*player)->OperationEnded(operation);
        });
    };
}

void MediaPlayer::OperationEnded(uint64_t operation)
{
    if (operation != operation_)
        return;
    if (mode_ == MediaMode::Playing) {
        EndPlayback();
        mode_ = MediaMode::Stopped;
    } else if (mode_ == MediaMode::Recording) {
        FinishRecording();
    } else {
        return;
    }
    ++operation_;
    if (Notify && OnNotify) {
        // The handler may close or even destroy this player.
        const std::function<void()> handler = OnNotify;
        handler();
    }
}

void MediaPlayer::FinishRecording()
{
    const std::vector<int16_t> samples = EndCapture();
    mode_ = MediaMode::Stopped;
    unsaved_ = BuildRecordingWave(samples);
    hasUnsaved_ = true;
    WriteRecording();
}

bool MediaPlayer::WriteRecording()
{
    if (!WriteFileAtomically(file_, unsaved_, &writeProblem_)) {
        error_ = "Nie udało się zapisać nagrania do pliku "_cp + Quoted(file_) +
                 ". Poprzednie nagranie pozostało bez zmian."_cp;
        return false;
    }
    playable_ = ParseWave(unsaved_, wave_);
    hasUnsaved_ = false;
    unsaved_.clear();
    return true;
}
