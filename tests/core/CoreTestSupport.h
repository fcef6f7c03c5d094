// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the core tests: wave files and captured message boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

// A playable wave file (8 kHz, mono, 8-bit) lasting milliseconds.
std::string MakeWave(int milliseconds);

// Captures the message boxes shown while it lives (title and text in cp1250).
class CapturedMessages {
public:
    struct Message {
        std::string title;
        std::string text;
        MessageIcon icon;
    };

    CapturedMessages();
    ~CapturedMessages();
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    const std::vector<Message>& Shown() const { return *shown_; }

private:
    std::shared_ptr<std::vector<Message>> shown_;
    std::unique_ptr<MessageBoxes> previous_;
};
