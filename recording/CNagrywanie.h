// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder of the recording tab: records the child's voice into a slot's
// wave file, plays it back, plays the main menu's background music, and calls
// the owner back when a recording or a playback ends by itself.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Paths.h"

class MediaPlayer;

class CNagrywanie {
public:
    // Both handlers are the main menu's stop action in the program.
    CNagrywanie(std::function<void()> recordEnd, std::function<void()> playEnd);
    ~CNagrywanie();
    CNagrywanie(const CNagrywanie&) = delete;
    CNagrywanie& operator=(const CNagrywanie&) = delete;

    // Opens a wave file (a program path such as "Nagrane\Nagranie7.wav"); a
    // file that does not exist yet is made as an empty recording first.
    bool Open(const std::string& fileName);
    // Records into the open file, stopping by itself after limitMs.
    bool Record(int limitMs);
    // Plays the open file from its start (unless something plays already);
    // false when nothing is open or the player refused.
    bool Play();
    void Stop();
    void Close();

    void StartMusic();
    void StopMusic() { Close(); }
    void MusicOff();
    void MusicOn() { musicEnabled_ = true; }
    bool MusicEnabled() const { return musicEnabled_; }
    bool Busy() const { return !musicEnabled_ || recording_ || playing_; }

    bool IsOpen() const { return open_; }
    bool IsRecording() const { return recording_; }
    bool IsPlaying() const { return playing_; }
    // Whether the player's last operation failed, and its cp1250 text.
    bool HasError() const;
    std::string ErrorText() const;
    // True when the last recording could not be written to its file (the
    // file keeps the recording it had before).
    bool SaveFailed() const { return saveFailed_; }
    // Why the last recording, or the empty recording Open makes, could not
    // be written.
    FileProblem WriteProblem() const { return writeProblem_; }

private:
    void PlayerNotify();
    void SaveRecording();

    std::unique_ptr<MediaPlayer> player_;
    std::function<void()> recordEnd_;
    std::function<void()> playEnd_;
    bool recording_ = false;
    bool playing_ = false;
    bool open_ = false;
    bool musicEnabled_ = false;  // off at every start; the loudspeaker button switches it
    bool saveFailed_ = false;
    FileProblem writeProblem_ = FileProblem::None;
};

// The background music of the main menu.
inline constexpr const char* kMusicFile = "Data\\Intf\\Smd\\music.wav";
