// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Display modes of the interface pictures and the sizes and places the
// generator gives them, derived from the screens' own coordinates.
#pragma once

#include <array>
#include <string>
#include <vector>

class CDisplay;

struct UiMode {
    int mode;             // 2, 4 or 16
    const char* prefix;   // object pictures: "R2_", "R3_", "R5_"
    const char* backdrop; // full-screen backgrounds: "R2_", "R3_", "R8_"
    int pictureWidth;     // the mode's background picture size
    int pictureHeight;
    int backdropWidth;    // the size of its background files ("R8_" ones are 1280 x 1024)
    int backdropHeight;
    double scale;         // relative to the 1280-wide design
    int trainShift;       // rows an "R8_" train background has above the 1280 x 960 area
};

const std::array<UiMode, 3>& UiModes();

// Conversions of design coordinates between modes, as the screens make them.
int FromMode16(const UiMode& m, int v);
int FromMode16Rounded(const UiMode& m, int v);
int FromMode2Rounded(const UiMode& m, int v);
int FromMode4(const UiMode& m, int v);
int FromMode4Rounded(const UiMode& m, int v);

struct UiSize {
    int width;
    int height;
};
struct UiRect {
    int left, top, right, bottom;
};

// The program's hand cursor "REKA1": a 24-bit picture whose corner colour is
// the see-through one, the finger tip its topmost drawn pixel.
constexpr UiSize kHandCursorSize{32, 32};

// Train: the word frame (also the size of a wagon front), its border, the
// driver's frames, the hint highlight.
UiSize TrainFrameSize(const UiMode& m);
int TrainFrameBorder(const UiMode& m);
UiSize TrainFigureSize(const UiMode& m);
UiSize TrainHighlightSize(const UiMode& m);
struct UiWagonPlace {
    int x, y, clearance;
};
// Wagon i = 0..3 in the mode's background picture coordinates.
UiWagonPlace TrainWagon(const UiMode& m, int i);
struct UiTrainPoint {
    int x, y;
};
UiTrainPoint TrainFigurePlace(const UiMode& m);
// Shelf box k = 0..11: top-left, size and label point, in background coordinates.
struct UiBoxPlace {
    int x, y, width, height, labelX, labelY;
};
UiBoxPlace TrainBox(const UiMode& m, int k);

// Memory: card back, word panel, figure.
UiSize MemoryCardSize(const UiMode& m);
UiSize MemoryPanelSize(const UiMode& m);
UiTrainPoint MemoryPanelPlace(const UiMode& m);
// The rounded corners of the panel's window, in its frame and its mask.
double MemoryPanelRadius(const UiMode& m);
UiSize MemoryFigureSize(const UiMode& m);
UiTrainPoint MemoryFigurePlace(const UiMode& m);
// The lowest row of the word panel's frame and its shadow: the figure below
// keeps its art under it.
int MemoryPanelFrameBottom(const UiMode& m);

// Conveyor: the cans, the crane's pieces and the scene's lines, in the
// mode's design coordinates (the "R8_" background has the scene shifted
// down by shift rows). The crane's pieces are sized from its drawing
// offsets so that the rod, the magnet and the trolley line up.
struct UiConveyor {
    int shift;
    UiSize lowerCan, upperCan;
    int windowLeft, windowTop, windowWidth, windowHeight;  // of the lower can
    int upperWindowLeft, upperWindowTop;
    int g, f, e, d, c;
    UiSize rod, trolley, magnetUp, magnetDown, magnetTurning, canTurning, rail, arrow, figure;
    UiTrainPoint figurePlace;
    int railLine, beltLine, pipesLine, pipeWidth;
    int pipeLeft[4];
    int reachLeft;  // the leftmost x the crane comes to
};
UiConveyor ConveyorLayout(const UiMode& m);

// Forklift (designed for 1280): the text and picture boxes, their hint
// highlights, and the truck's eight pictures (index and names as the game's
// CWidWozek has them).
UiSize ForkliftTextBoxSize(const UiMode& m);
UiSize ForkliftPictureBoxSize(const UiMode& m);
UiSize ForkliftTextHighlightSize(const UiMode& m);
UiSize ForkliftPictureHighlightSize(const UiMode& m);
UiSize ForkliftTruckSize(const UiMode& m, int index);
// The picture box's window (the game's, in box coordinates) and its corners.
UiRect ForkliftPictureWindow(const UiMode& m);
double ForkliftWindowRadius(const UiMode& m);
// Suction cups: the word plate (its suction cups along the top, a shadow
// under it; its face spans the rows SuctionPlateFace gives), the hint
// highlight around it, the snow picture (one for every mode), and the screen
// casings k = 0..4 and the points their plates stick at, in the mode's
// background picture.
UiSize SuctionPlateSize(const UiMode& m);
struct UiSpan {
    int first, last;
};
UiSpan SuctionPlateFace(const UiMode& m);
UiSize SuctionHighlightSize(const UiMode& m);
constexpr UiSize kSuctionSnowSize{320, 240};
UiRect SuctionScreen(const UiMode& m, int k);
UiTrainPoint SuctionDock(const UiMode& m, int k);
UiTrainPoint SuctionPlateHome(const UiMode& m, int k);
// The casing's frame inside a screen's rectangle and the rounded corners of
// the window it leaves: the word picture shows through that window.
double SuctionCasingBorder(const UiMode& m);
double SuctionWindowRadius(const UiMode& m);

// Picture zoom: frame size and the window inside it (modes 2 and 4 only;
// the 1280-wide mode uses the "R3_" pictures).
UiSize ZoomFrameSize(const UiMode& m);
UiSize ZoomWindowSize(const UiMode& m);
UiTrainPoint ZoomWindowPlace(const UiMode& m);
double ZoomWindowRadius(const UiMode& m);
// How far inside the zoom's and the memory panel's windows their masks begin:
// the word picture's one-pixel outline stays under the frame.
constexpr double WordWindowInset() { return 3; }

// Main menu: the tab strip and its place, the logo (designed for 1280).
UiSize MenuTabSize(const UiMode& m);
UiTrainPoint MenuTabPlace(const UiMode& m);
constexpr UiSize kLogoSize{200, 400};
UiSize SpeakerSize(const UiMode& m);
// The inside of the choices panel in the mode's background picture: the
// recording tab's own panel picture covers it.
UiRect MenuPanel(const UiMode& m);
// The display the mode's menu pictures are made for.
const CDisplay& MenuDisplay(const UiMode& m);

// About screen: the logo above the information block, and the places (in
// the mode's background picture) of the logo, the block's first line and
// the "stop" button.
UiSize AboutLogoSize(const UiMode& m);
UiTrainPoint AboutLogoPlace(const UiMode& m);
int AboutVersionTop(const UiMode& m);
UiTrainPoint AboutStopPlace(const UiMode& m);

// The on-screen arrows (library pictures), the glow round one of them and
// the star of a right answer's burst; their files in the table.
UiSize ArrowButtonSize(const UiMode& m);
UiSize ArrowGlowSize(const UiMode& m);
UiSize StarSize(const UiMode& m);
struct InterfaceFile;
void AddArrowFiles(std::vector<InterfaceFile>& files, const UiMode& m);
// Voice screen: the strip of its row icons (the screen's own layout gives
// the rest).
UiSize VoiceIconStripSize(const UiMode& m);

// Library pictures: image buttons, check buttons and small widgets.
UiSize ButtonSize(const std::string& base);
UiSize CheckButtonSize(bool large, bool soundButton);
UiSize CaptionSize(bool large);

// One file the generator writes: a program path ("Data\Intf\Spec\...") or a
// library picture name (no folder, no extension), and its size.
struct InterfaceFile {
    std::string name;
    int width;
    int height;
    bool library;
};

// Every interface picture and library picture the screens load, with the
// size it is drawn at.
std::vector<InterfaceFile> InterfaceFileTable();
