// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A paint box: a rectangle of the form that its OnPaint handler draws on
// through Canvas().
#pragma once

#include <functional>

#include "platform/Control.h"

class TPaintBox : public TControl {
public:
    using TControl::TControl;

    std::function<void()> OnPaint;

    void Paint(TCanvas& canvas) override;
};
