// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with a title, a text and an icon. Text is cp1250.
#pragma once

#include <memory>
#include <string>

enum class MessageIcon { Error, Warning, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

// Headless runs (and tests): the title and text go to standard error in UTF-8.
class StderrMessageBoxes final : public MessageBoxes {
public:
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override;
};

MessageBoxes& TheMessageBoxes();

// Closes the system message box being shown, from any thread (a quit signal
// must not wait for someone to press OK); a box that is not shown, or a
// platform whose boxes cannot be closed, is left as it is.
void InterruptShownMessageBox();
// The platform's way of doing that: a function safe to call from any thread.
void SetMessageBoxInterrupter(void (*interrupt)());
std::unique_ptr<MessageBoxes> InstallMessageBoxes(std::unique_ptr<MessageBoxes> boxes);
