// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound of the voice screen: records a take into a scratch file of the
// voice folder, shapes it (VoiceTake) and plays it back, keeps it only when
// the adult accepts it, and plays the recordings of the words and phrases.
// One media player does all of it, so only one sound runs at a time.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "voice/VoiceTake.h"

class MediaPlayer;
class VoiceLibrary;

class TakeRecorder {
public:
    enum class State { Idle, Recording, Reviewing };

    // A recording that ran to its limit is finished as by Finish; a shaped
    // take waits for acceptance (Reviewing). ended runs after such an end and
    // after a playback ended by itself.
    static constexpr int kRecordingLimitMs = 6000;

    explicit TakeRecorder(std::function<void()> ended);
    ~TakeRecorder();
    TakeRecorder(const TakeRecorder&) = delete;
    TakeRecorder& operator=(const TakeRecorder&) = delete;

    State GetState() const { return state_; }
    bool Playing() const;
    // The entry the take in progress or waiting belongs to.
    std::size_t TakeEntry() const { return entry_; }
    // Milliseconds recorded so far while recording.
    int RecordedMs() const;
    // What the last finished take was found to be, and what the adult is
    // told about it (cp1250): the verdict's text, or why the take could not
    // even be read back.
    TakeVerdict LastVerdict() const { return verdict_; }
    const std::string& LastMessage() const { return message_; }

    // Starts recording a take of entry; a take waiting is dropped. False
    // with the reason (cp1250) when recording cannot start.
    bool Start(std::size_t entry, std::string& error);
    // Ends the recording, shapes the take and, when it is kept, plays it
    // back and waits for acceptance; returns what the take was found to be.
    TakeVerdict Finish();
    // Ends a recording or drops a waiting take; nothing is kept.
    void Discard();
    // Keeps the waiting take as its entry's recording; false with the reason.
    bool Accept(VoiceLibrary& library, std::string& error);

    // Plays a file from its start (the take waiting: PlayTake); false with
    // the reason when it cannot be played.
    bool Play(const std::filesystem::path& file, std::string& error);
    bool PlayTake(std::string& error);
    void StopSound();
    // Leaves nothing behind: stops, drops the take, removes the scratch files.
    void Close();

private:
    void PlayerEnded();
    std::filesystem::path Scratch(const char* name) const;

    std::unique_ptr<MediaPlayer> player_;
    std::function<void()> ended_;
    State state_ = State::Idle;
    std::size_t entry_ = 0;
    std::string take_;  // the shaped take's wave bytes while Reviewing
    TakeVerdict verdict_ = TakeVerdict::Kept;
    std::string message_;
};
