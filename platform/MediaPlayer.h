// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The media player of the recording tab and the main menu's music: open a
// wave file, play it from the start, record the microphone into it up to a
// limit, with an end notification on the user-interface thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/WaveFile.h"

enum class MediaMode { NotReady, Stopped, Playing, Recording };

// The device-independent half: file handling, the state machine, the end
// notification and the safe writing of recordings. Back ends (SDL, headless)
// supply the sound itself through the protected hooks. Every public call is
// made on the user-interface thread.
class MediaPlayer {
public:
    MediaPlayer();
    virtual ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Closes, then opens an existing file. A file that is not a playable wave
    // still opens (it can be recorded over); only playing it fails.
    bool Open(const std::filesystem::path& file);
    // Stops (a recording in progress is finished and written) and closes.
    void Close();
    bool IsOpen() const { return open_; }
    const std::filesystem::path& FileName() const { return file_; }

    // Plays the open file from its start; stops a recording first. When it
    // ends by itself and Notify is set, OnNotify runs.
    bool Play();
    // Records 22050 Hz mono 16-bit sound from position 0 into the open file,
    // replacing its content; a limit above 0 (milliseconds) stops it there,
    // and OnNotify runs when Notify is set. The file is rewritten only when
    // the recording ends, completely, so a failure leaves the previous one.
    bool StartRecording(int limitMs);
    // Stops playing or recording; no notification. A recording is written.
    void Stop();
    // Makes sure the last recording is in the file (writes it again when the
    // earlier attempt failed). True when there is nothing left unsaved.
    bool Save();

    MediaMode Mode() const;
    // Length of the open sound in milliseconds; while recording, the part recorded so far.
    int Length() const;
    // A cp1250 sentence about the last failure; empty after a success.
    const std::string& ErrorMessage() const { return error_; }
    // Why the last recording could not be written to its file.
    FileProblem WriteProblem() const { return writeProblem_; }

    // The end notification: set it before Play or StartRecording.
    bool Notify = false;
    std::function<void()> OnNotify;

protected:
    // Hooks of the back end, called on the user-interface thread. A back end's
    // destructor calls Close() so that these are never called on a half-destroyed object.
    // Starts sounding `wave`; when it has sounded to its end, the back end calls `ended` (any thread).
    virtual bool BeginPlayback(const WaveData& wave, std::function<void()> ended) = 0;
    virtual void EndPlayback() = 0;
    // Starts capturing; at `limitMs` (when above 0) the back end calls `ended` (any thread).
    virtual bool BeginCapture(int limitMs, std::function<void()> ended) = 0;
    // Stops capturing and hands over the samples, at most the limit's worth.
    virtual std::vector<int16_t> EndCapture() = 0;
    virtual int CapturedMs() const = 0;

    void SetError(std::string text) { error_ = std::move(text); }

private:
    std::function<void()> MakeEndSignal();
    void OperationEnded(uint64_t operation);
    void FinishRecording();
    bool WriteRecording();

    std::filesystem::path file_;
    bool open_ = false;
    bool playable_ = false;
    WaveData wave_;
    MediaMode mode_ = MediaMode::NotReady;
    std::string error_;
    FileProblem writeProblem_ = FileProblem::None;
    std::string unsaved_;  // a finished recording not yet in its file
    bool hasUnsaved_ = false;
    uint64_t operation_ = 0;
    std::shared_ptr<MediaPlayer*> life_;
};
