// The parts of the interface set, each written through one writer.
#pragma once

#include <filesystem>

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
void GenerateVoice(InterfaceWriter& out, const UiMode& m);

// Small icons shared by buttons and tabs, drawn in a box centred on (cx, cy).
enum class UiIcon { Train, Cup, Cards, Forklift, Conveyor, Microphone, Speaker, SpeakerOff };
void DrawIcon(cairo_t* cr, UiIcon icon, double cx, double cy, double size);

// A sky with soft clouds and rolling hills filling w x h, the backdrop of
// the menu and the splash.
void DrawMeadow(cairo_t* cr, double w, double h, double horizon, double scale);
// A garland of little flags across the top, sagging to 50 * s.
void DrawBunting(cairo_t* cr, double width, double s);
// The "Szeptaczki" lettering centred on (cx, cy).
void DrawTitle(cairo_t* cr, double cx, double cy, double size);
