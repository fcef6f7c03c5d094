// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the interface set, each written through one writer.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "tools/datagen/InterfaceLayout.h"
#include "tools/datagen/UiCanvas.h"

class InterfaceWriter;

// The flat cream of the main menu's panel: check buttons and captions are
// opaque pictures drawn on it, so they carry the same colour.
constexpr TColor kPanelColour = RGB(0xFF, 0xF7, 0xE6);
const UiColour kPanel = Hex(0xFFF7E6);

void GenerateLibrary(InterfaceWriter& out);
void GenerateMenu(InterfaceWriter& out, const UiMode& m);
void GenerateTrain(InterfaceWriter& out, const UiMode& m);
void GenerateMemory(InterfaceWriter& out, const UiMode& m);
void GenerateConveyor(InterfaceWriter& out, const UiMode& m);
void GenerateSuction(InterfaceWriter& out, const UiMode& m);
void GenerateScreens(InterfaceWriter& out);
void GenerateAbout(InterfaceWriter& out, const UiMode& m);
void GenerateForklift(InterfaceWriter& out, const UiMode& m);
// The on-screen arrows, their hint glow and the star of the right answers.
void GenerateArrows(InterfaceWriter& out, const UiMode& m);

// A library picture of one state of a button drawn with alpha: pure colour
// where the drawing covers, white elsewhere; with mask, its cover in grey.
void LibraryPicture(const UiCanvas& drawing, Bitmap& picture, Bitmap* mask);

void GenerateChildren(InterfaceWriter& out);

// The library pictures of an image button, drawn by its base name.
void WriteButton(InterfaceWriter& out, const std::string& base);

// The children's profiles (InterfaceChildren.cpp): the menu's name plate,
// the children's window, and the buttons of the window, which the button
// drawing asks about by name.
constexpr UiSize kChildrenWindowSize{520, 420};
UiSize ChildPlateSize(const UiMode& m);
bool IsChildrenButton(const std::string& base);
UiSize ChildrenButtonSize(const std::string& base);
UiColour ChildrenButtonColour(const std::string& base);
void DrawChildrenButtonGlyph(cairo_t* cr, const std::string& base, double cx, double cy);
void AddChildrenFiles(std::vector<InterfaceFile>& files);
void GenerateVoice(InterfaceWriter& out, const UiMode& m);

// Small icons shared by buttons and tabs, drawn in a box centred on (cx, cy).
enum class UiIcon { Train, Cup, Cards, Forklift, Conveyor, Microphone, Music, MusicOff };
void DrawIcon(cairo_t* cr, UiIcon icon, double cx, double cy, double size);

// A heading of the menu's panel, as the captions of the choices look, on the
// panel's colour.
Bitmap MenuCaption(UiSize size, const std::string& text);

// A sky with soft clouds and rolling hills filling w x h, the backdrop of
// the menu and the splash.
void DrawMeadow(cairo_t* cr, double w, double h, double horizon, double scale);
// A garland of little flags across the top, sagging to 50 * s.
void DrawBunting(cairo_t* cr, double width, double s);
// The "Szeptaczki" lettering centred on (cx, cy).
void DrawTitle(cairo_t* cr, double cx, double cy, double size);
