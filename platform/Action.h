// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An action bound to buttons: what a click does, and whether it may be done.
#pragma once

#include <functional>
#include <string>

class TAction {
public:
    TAction() = default;
    explicit TAction(std::string name, std::function<void()> onExecute = {})
        : Name(std::move(name)), OnExecute(std::move(onExecute))
    {
    }

    std::string Name;
    std::function<void()> OnExecute;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Runs the handler when the action is enabled; true when it ran.
    bool Execute()
    {
        if (!enabled_ || !OnExecute)
            return false;
        OnExecute();
        return true;
    }

private:
    bool enabled_ = true;
};
