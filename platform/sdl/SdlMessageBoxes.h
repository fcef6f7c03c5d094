// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes through SDL, over the program's window when it has the
// focus; without a display they fall back to standard error.
#pragma once

#include "platform/MessageBox.h"

class SdlMessageBoxes final : public MessageBoxes {
public:
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override;
};

// Makes SdlMessageBoxes the program's message boxes.
void InstallSdlMessageBoxes();
