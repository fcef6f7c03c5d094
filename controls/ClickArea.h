// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The invisible control a check button places on its form to receive clicks;
// when the form repaints it, the owner draws the button's picture there.
#pragma once

#include <functional>

#include "platform/Control.h"

class ClickArea final : public TControl {
public:
    using TControl::TControl;

    std::function<void(TCanvas&)> OnPaint;

    void Paint(TCanvas& canvas) override
    {
        if (OnPaint)
            OnPaint(canvas);
    }
};
