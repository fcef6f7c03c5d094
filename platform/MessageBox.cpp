// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <atomic>
#include <cstdio>

#include "platform/Text.h"

namespace {

std::unique_ptr<MessageBoxes>& Storage()
{
    static std::unique_ptr<MessageBoxes> boxes = std::make_unique<StderrMessageBoxes>();
    return boxes;
}

std::atomic<void (*)()> interrupter{nullptr};

}  // namespace

void StderrMessageBoxes::Show(const std::string& title, const std::string& text, MessageIcon icon)
{
    const char* kind = icon == MessageIcon::Error ? "error" : icon == MessageIcon::Warning ? "warning" : "information";
    std::fprintf(stderr, "[%s] %s: %s\n", kind, Cp1250ToUtf8(title).c_str(), Cp1250ToUtf8(text).c_str());
    std::fflush(stderr);
}

MessageBoxes& TheMessageBoxes()
{
    return *Storage();
}

std::unique_ptr<MessageBoxes> InstallMessageBoxes(std::unique_ptr<MessageBoxes> boxes)
{
    std::unique_ptr<MessageBoxes> previous = std::move(Storage());
    Storage() = std::move(boxes);
    return previous;
}

void InterruptShownMessageBox()
{
    if (void (*interrupt)() = interrupter.load())
        interrupt();
}

void SetMessageBoxInterrupter(void (*interrupt)())
{
    interrupter.store(interrupt);
}
