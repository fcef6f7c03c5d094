// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The active child's name on the main menu: a plate in the left column,
// under the logo, with the child's face, the name and a band that says it
// can be pressed to change the child. Shown only while the children's
// profiles are in use; its picture is loaded in any case, so that a damaged
// data tree stops the program at start as for every other picture.
#pragma once

#include <functional>
#include <string>

#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"
#include "platform/Control.h"

class CDisplay;

class ChildNamePlate : public TControl {
public:
    // scene: the menu's background in form coordinates (it must outlive the
    // plate). Raises CBlad code 1 when the plate's picture is missing.
    ChildNamePlate(TForm& menu, const Bitmap& scene);

    // The plate's place in a display mode, in form coordinates.
    static TPoint PlaceIn(const CDisplay& d);
    // Shows the plate with this name (cp1250); an empty name hides it.
    void SetName(const std::string& name);
    // A click opens the children's window; when the active child changed
    // there (another chosen, or renamed), the plate shows the new name and
    // this runs, for the menu to take up the child's files.
    std::function<void()> OnChildChanged;
    void Click() override;
    const std::string& ShownName() const { return name_; }

    void Paint(TCanvas& canvas) override;

private:
    void Compose();

    const Bitmap* scene_;
    CTransBitmap plate_;
    Bitmap buffer_;
    std::string name_;
};
