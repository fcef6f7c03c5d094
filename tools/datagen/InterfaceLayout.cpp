// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes and places of the interface pictures in each display mode.
#include "tools/datagen/InterfaceLayout.h"
#include "tools/datagen/InterfaceParts.h"

#include <cmath>
#include <stdexcept>

#include "games/forklift/CWidWozek.h"
#include "games/suction/CPssEkranikRes.h"
#include "games/suction/CPssRamka.h"
#include "core/MainMenuLayout.h"
#include "graphics/CDisplay.h"

const std::array<UiMode, 3>& UiModes()
{
    static const std::array<UiMode, 3> modes{{
        {2, "R2_", "R2_", 800, 600, 800, 600, 0.625, 0},
        {4, "R3_", "R3_", 1024, 768, 1024, 768, 0.8, 0},
        {16, "R5_", "R8_", 1280, 960, 1280, 1024, 1.0, 32},
    }};
    return modes;
}

namespace {

// The display of each mode; the 1280-wide one on a 1280 x 1024 screen, the
// size the "R8_" backgrounds are made for.
const CDisplay& DisplayOf(const UiMode& m)
{
    static const CDisplay small(800, 600), medium(1024, 768), large(1280, 1024);
    return m.mode == 2 ? small : m.mode == 4 ? medium : large;
}

} // namespace

int FromMode16(const UiMode& m, int v) { return DisplayOf(m).ConvertFromMode(16, v); }
int FromMode16Rounded(const UiMode& m, int v) { return DisplayOf(m).ConvertFromModeRounded(16, v); }
int FromMode2Rounded(const UiMode& m, int v) { return DisplayOf(m).ConvertFromModeRounded(2, v); }
int FromMode4(const UiMode& m, int v) { return DisplayOf(m).ConvertFromMode(4, v); }
int FromMode4Rounded(const UiMode& m, int v) { return DisplayOf(m).ConvertFromModeRounded(4, v); }

namespace {

UiSize BySize(const UiMode& m, UiSize small, UiSize medium, UiSize large)
{
    return m.mode == 2 ? small : m.mode == 4 ? medium : large;
}

// The twelve shelf boxes, designed for the 1280-wide train screen: the
// top-left corners and label points the game uses, and box sizes that rest
// every row on its shelf plank and keep the label point on the box front.
struct BoxDesign {
    int x, y, dx, dy, width, height;
};
constexpr BoxDesign kBoxes[12] = {
    {155, 81, 115, 68, 176, 135}, {341, 81, 69, 67, 138, 135},  {760, 76, 86, 68, 167, 140},
    {937, 72, 80, 73, 160, 144},  {171, 227, 82, 72, 164, 145}, {346, 224, 69, 61, 138, 148},
    {766, 228, 75, 74, 150, 144}, {937, 232, 80, 68, 160, 140}, {180, 377, 78, 74, 155, 155},
    {345, 372, 89, 79, 178, 160}, {759, 376, 62, 78, 124, 156}, {928, 383, 61, 84, 122, 149},
};

} // namespace

UiSize TrainFrameSize(const UiMode& m) { return BySize(m, {125, 100}, {160, 128}, {200, 160}); }
int TrainFrameBorder(const UiMode& m) { return m.mode == 2 ? 3 : m.mode == 4 ? 4 : 5; }
UiSize TrainFigureSize(const UiMode& m) { return BySize(m, {90, 112}, {115, 144}, {144, 180}); }
UiSize TrainHighlightSize(const UiMode& m) { return BySize(m, {150, 125}, {192, 160}, {240, 200}); }

UiWagonPlace TrainWagon(const UiMode& m, int i)
{
    static constexpr UiWagonPlace small[4] = {{229, 401, 376}, {368, 401, 377}, {510, 401, 378}, {653, 401, 379}};
    static constexpr UiWagonPlace large[4] = {{368, 643, 602}, {590, 643, 604}, {818, 643, 605}, {1046, 643, 607}};
    if (i < 0 || i > 3)
        throw std::out_of_range("wagon");
    if (m.mode == 2)
        return small[i];
    const UiWagonPlace& w = large[i];
    return {FromMode16(m, w.x), FromMode16(m, w.y) + m.trainShift, FromMode16(m, w.clearance) + m.trainShift};
}

UiTrainPoint TrainFigurePlace(const UiMode& m)
{
    if (m.mode == 2)
        return {135, 386};
    if (m.mode == 4)
        return {173, 494};
    return {216, 618 + m.trainShift};
}

UiBoxPlace TrainBox(const UiMode& m, int k)
{
    if (k < 0 || k > 11)
        throw std::out_of_range("box");
    const BoxDesign& b = kBoxes[k];
    const int x = FromMode16Rounded(m, b.x);
    const int y = FromMode16Rounded(m, b.y) + m.trainShift;
    return {x,
            y,
            FromMode16Rounded(m, b.width),
            FromMode16Rounded(m, b.height),
            x + FromMode16Rounded(m, b.dx),
            y + FromMode16Rounded(m, b.dy - 2)};
}

UiSize MemoryCardSize(const UiMode& m) { return BySize(m, {62, 84}, {70, 95}, {88, 119}); }
UiSize MemoryPanelSize(const UiMode& m) { return BySize(m, {250, 188}, {320, 240}, {400, 300}); }
UiTrainPoint MemoryPanelPlace(const UiMode& m)
{
    return m.mode == 2 ? UiTrainPoint{42, 211} : m.mode == 4 ? UiTrainPoint{54, 270} : UiTrainPoint{68, 338};
}
double MemoryPanelRadius(const UiMode& m) { return 22 * m.scale; }
UiSize MemoryFigureSize(const UiMode& m) { return {FromMode16(m, 220), FromMode16(m, 340)}; }
UiTrainPoint MemoryFigurePlace(const UiMode& m) { return {FromMode16(m, 107), FromMode16(m, 540)}; }
int MemoryPanelFrameBottom(const UiMode& m)
{
    // The frame is 12 design pixels wide; its shadow falls up to 12 more below.
    const double s = m.pictureWidth / 1024.0;
    return static_cast<int>(std::ceil(MemoryPanelPlace(m).y + MemoryPanelSize(m).height + 12 * m.scale + 12 * s));
}

namespace {

UiSize Design16(const UiMode& m, int w, int h) { return {FromMode16Rounded(m, w), FromMode16Rounded(m, h)}; }

} // namespace

// The boxes reach a few rows below the surface they stand on (61 and 145
// above it), where their shadow falls; the highlights ring them at the
// offsets the game places them by.
UiSize ForkliftTextBoxSize(const UiMode& m) { return Design16(m, 260, 64); }
UiSize ForkliftPictureBoxSize(const UiMode& m) { return Design16(m, 176, 149); }
UiSize ForkliftTextHighlightSize(const UiMode& m) { return Design16(m, 284, 90); }
UiSize ForkliftPictureHighlightSize(const UiMode& m) { return Design16(m, 204, 193); }

UiSize ForkliftTruckSize(const UiMode& m, int index)
{
    // Body 280 wide, 42 of it beyond the fork root; the overlay 22 wide
    // mirrors about the root by the two offsets the game uses.
    static constexpr UiSize design[8] = {{280, 603}, {196, 40}, {22, 44}, {280, 603},
                                         {196, 40},  {22, 44},  {218, 596}, {150, 16}};
    if (index < 0 || index > 7)
        throw std::out_of_range("truck picture");
    return Design16(m, design[index].width, design[index].height);
}

// Narrow enough that the plates at their homes keep inside the cork board
// and the drop places beside the screens keep clear of it; the widest word
// (196 of 240 in the 1280 design) still has room on it.
UiSize SuctionPlateSize(const UiMode& m) { return {FromMode16Rounded(m, 240), FromMode16Rounded(m, 84)}; }
// The written word is centred on the whole plate picture and its capitals sit
// in the upper part of their line: the face is raised so that they look
// centred on it, with the shadow below.
UiSpan SuctionPlateFace(const UiMode& m) { return {FromMode16Rounded(m, 8), FromMode16Rounded(m, 74)}; }
UiSize SuctionHighlightSize(const UiMode& m) { return {FromMode16Rounded(m, 300), FromMode16Rounded(m, 140)}; }

UiRect SuctionScreen(const UiMode& m, int k)
{
    const TRect r = CPssEkranikRes::PlaceRect(DisplayOf(m), k);
    return {r.left, r.top, r.right, r.bottom};
}

UiTrainPoint SuctionDock(const UiMode& m, int k)
{
    const TPoint p = CPssEkranikRes::DockPoint(DisplayOf(m), k);
    return {p.x, p.y};
}

UiTrainPoint SuctionPlateHome(const UiMode& m, int k)
{
    const TPoint p = CPssRamka::Home(DisplayOf(m), k);
    return {p.x, p.y};
}

// A thin casing: the window keeps as much of the picture as the narrowest
// crops of the other games do.
double SuctionCasingBorder(const UiMode& m) { return 8 * m.scale; }
double SuctionWindowRadius(const UiMode& m) { return 8 * m.scale; }

UiRect ForkliftPictureWindow(const UiMode& m)
{
    return {FromMode16Rounded(m, 26), FromMode16Rounded(m, 11), FromMode16Rounded(m, 149), FromMode16Rounded(m, 138)};
}
double ForkliftWindowRadius(const UiMode& m) { return 8 * m.scale; }

UiSize ZoomFrameSize(const UiMode& m) { return m.mode == 2 ? UiSize{298, 224} : UiSize{396, 298}; }
UiSize ZoomWindowSize(const UiMode& m) { return m.mode == 2 ? UiSize{240, 180} : UiSize{320, 240}; }
UiTrainPoint ZoomWindowPlace(const UiMode& m) { return m.mode == 2 ? UiTrainPoint{29, 22} : UiTrainPoint{38, 29}; }
double ZoomWindowRadius(const UiMode& m) { return 16 * ZoomFrameSize(m).width / 396.0; }

UiSize MenuTabSize(const UiMode& m) { return {FromMode4Rounded(m, 240), FromMode4Rounded(m, 560)}; }
UiTrainPoint MenuTabPlace(const UiMode& m)
{
    return m.mode == 2 ? UiTrainPoint{526, 77} : m.mode == 4 ? UiTrainPoint{674, 99} : UiTrainPoint{842, 124};
}
UiRect MenuPanel(const UiMode& m)
{
    const TRect r = MainMenuLayout(DisplayOf(m)).panel;
    return {r.left, r.top, r.right, r.bottom};
}

const CDisplay& MenuDisplay(const UiMode& m) { return DisplayOf(m); }

UiSize SpeakerSize(const UiMode& m) { return m.mode == 2 ? UiSize{44, 44} : UiSize{56, 56}; }

UiSize ButtonSize(const std::string& base)
{
    if (IsChildrenButton(base))
        return ChildrenButtonSize(base);
    if (base == "stop" || base == "pomoc" || base == "dalej" || base == "wstecz")
        return {64, 60};
    if (base == "start" || base == "wyjdz" || base == "oprogramie")
        return {80, 60};
    if (base == "rrec" || base == "rodtworz" || base == "rstop" || base == "tak" || base == "usun")
        return {60, 56};
    if (base == "up" || base == "down")
        return {28, 28};
    if (base == "scroll")
        return {20, 14};
    if (base == "S_CHBUT")
        return {26, 26};
    throw std::invalid_argument("unknown button " + base);
}

UiSize CheckButtonSize(bool large, bool soundButton)
{
    if (soundButton)
        return large ? UiSize{104, 44} : UiSize{80, 34};
    return large ? UiSize{156, 44} : UiSize{120, 34};
}

UiSize CaptionSize(bool large) { return large ? UiSize{380, 40} : UiSize{300, 30}; }

UiTrainPoint AboutLogoPlace(const UiMode& m)
{
    if (m.mode == 2)
        return {320, 100};
    if (m.mode == 4)
        return {410, 145};
    return {FromMode4Rounded(m, 410), FromMode4Rounded(m, 145)};
}

int AboutVersionTop(const UiMode& m) { return FromMode2Rounded(m, 190); }

UiTrainPoint AboutStopPlace(const UiMode& m) { return {m.pictureWidth / 2 - 30, m.pictureHeight * 8 / 10}; }

UiSize AboutLogoSize(const UiMode& m)
{
    // Centred on the picture's middle, and ending a few rows above the version line.
    const UiTrainPoint at = AboutLogoPlace(m);
    return {2 * (m.pictureWidth / 2 - at.x), AboutVersionTop(m) - 6 - at.y};
}

UiConveyor ConveyorLayout(const UiMode& m)
{
    UiConveyor l{};
    const int k = m.mode == 2 ? 0 : m.mode == 4 ? 1 : 2;
    l.shift = m.mode == 16 ? 64 : 0;
    // The windows the game puts the word pictures in; the cans keep an even
    // margin round them.
    const int windows[3][8] = {{20, 23, 75, 92, 19, 22, 74, 91},
                               {25, 30, 93, 117, 25, 28, 93, 115},
                               {32, 38, 116, 146, 32, 36, 116, 144}};
    const int* w = windows[k];
    l.windowLeft = w[0], l.windowTop = w[1], l.windowWidth = w[2] - w[0], l.windowHeight = w[3] - w[1];
    l.upperWindowLeft = w[4], l.upperWindowTop = w[5];
    l.lowerCan = {w[2] + w[0], w[3] + w[1]};
    l.upperCan = {w[6] + w[4], w[7] + w[5]};
    const int offsets[3][5] = {{9, 15, 18, 6, 52}, {11, 19, 22, 8, 66}, {14, 24, 28, 10, 84}};
    l.g = offsets[k][0], l.f = offsets[k][1], l.e = offsets[k][2], l.d = offsets[k][3], l.c = offsets[k][4];
    const int rodWidth = k == 0 ? 8 : k == 1 ? 10 : 14;
    const int railHeight = k == 0 ? 10 : k == 1 ? 13 : 16;
    l.rail = {m.pictureWidth, railHeight};
    l.rod = {rodWidth, FromMode16(m, 300)};
    // The rod runs down the middle of the trolley and of both magnets.
    l.trolley = {2 * l.g + rodWidth, 2 * l.g + railHeight};
    l.magnetUp = {2 * l.f + rodWidth, l.c};
    l.magnetDown = {2 * l.f + 2 + rodWidth, l.c};
    l.magnetTurning = {2 * l.e + rodWidth, l.trolley.height};
    l.canTurning = {FromMode16(m, 150), FromMode16(m, 150)};
    l.arrow = {FromMode16(m, 80), FromMode16(m, 112)};
    l.figure = {FromMode16(m, 230), FromMode16(m, 300)};
    l.figurePlace = k == 0 ? UiTrainPoint{20, 130} : k == 1 ? UiTrainPoint{26, 167} : UiTrainPoint{33, 209};
    l.railLine = FromMode16(m, 440);
    l.beltLine = FromMode16Rounded(m, 825);
    l.pipesLine = FromMode16Rounded(m, 84);
    l.pipeWidth = FromMode16Rounded(m, 624) - FromMode16Rounded(m, 478);
    const int lefts[4] = {478, 683, 888, 1093};
    for (int i = 0; i < 4; ++i)
        l.pipeLeft[i] = FromMode16Rounded(m, lefts[i]);
    l.reachLeft = m.pictureWidth - FromMode16(m, 890) - l.trolley.width + l.g - l.canTurning.width / 2;
    return l;
}

std::vector<InterfaceFile> InterfaceFileTable()
{
    std::vector<InterfaceFile> files;
    const std::string spec = "Data\\Intf\\Spec\\";
    auto add = [&](const std::string& name, UiSize s) { files.push_back({name, s.width, s.height, false}); };
    auto pair = [&](const std::string& base, const std::string& ext, UiSize s) {
        add(base + "B" + ext, s);
        add(base + "W" + ext, s);
    };
    for (const UiMode& m : UiModes()) {
        const UiSize backdrop{m.backdropWidth, m.backdropHeight};
        const std::string obj = spec + m.prefix;
        const std::string back = spec + m.backdrop;
        for (int k = 0; k <= 6; ++k)
            add(back + "mT" + std::to_string(k) + ".xji", k == 0 ? backdrop : MenuTabSize(m));
        const UiRect panel = MenuPanel(m);
        add(back + "mNagr.xji", {panel.right - panel.left, panel.bottom - panel.top});
        add(back + "Tpociag.xji", backdrop);
        add(back + "Tmem3.xji", backdrop);
        for (int k = 0; k < 6; ++k)
            add(obj + "poc_gad" + std::to_string(k) + ".xji", TrainFigureSize(m));
        add(obj + "poc_ramp.xbi", TrainFrameSize(m));
        pair(obj + "poc_psw", ".xji", TrainHighlightSize(m));
        for (int i = 1; i <= 4; ++i)
            pair(obj + "poc_sz" + std::to_string(i), ".xji", TrainFrameSize(m));
        for (int k = 0; k < 12; ++k) {
            const UiBoxPlace b = TrainBox(m, k);
            add(obj + "poc_regp" + std::to_string(k % 4 + 1) + std::to_string(k / 4 + 1) + ".xji",
                {b.width, b.height});
        }
        add(obj + "mem_wysM.xji", MemoryPanelSize(m));
        for (int k = 1; k <= 11; ++k)
            pair(obj + "mem_gad" + (k < 10 ? "0" : "") + std::to_string(k), ".xji", MemoryFigureSize(m));
        if (m.mode != 16) {
            pair(obj + "ZoomEx", ".xji", ZoomFrameSize(m));
            add(obj + "ZoomExObrM.xji", ZoomWindowSize(m));
            pair(obj + "glos_D", ".xbi", SpeakerSize(m));
            pair(obj + "glos_A", ".xbi", SpeakerSize(m));
        }
        if (m.mode != 2)
            add(obj + "mem_blkcard0.xji", MemoryCardSize(m));
        const UiConveyor cv = ConveyorLayout(m);
        add(back + "Ttas.xji", backdrop);
        pair(obj + "tas_st", ".xji", cv.arrow);
        for (const char* pose : {"gl", "gs", "gp", "dl", "ds", "dp"})
            pair(obj + "tas_gad" + pose, ".xji", cv.figure);
        pair(obj + "tas_pusd", ".xji", cv.lowerCan);
        pair(obj + "tas_pusg", ".xji", cv.upperCan);
        pair(obj + "tas_magg", ".xbi", cv.magnetUp);
        pair(obj + "tas_mags", ".xbi", cv.magnetTurning);
        pair(obj + "tas_magd", ".xbi", cv.magnetDown);
        pair(obj + "tas_kolg", ".xbi", cv.trolley);
        pair(obj + "tas_kold", ".xbi", cv.trolley);
        pair(obj + "tas_puss", ".xji", cv.canTurning);
        for (const char* rail : {"rlpd", "rlps", "rlpg"})
            add(obj + "tas_" + rail + ".xbi", cv.rail);
        add(obj + "tas_rgd.xbi", cv.rod);
        add(back + "Twid.xji", backdrop);
        pair(obj + "wid_pudd", ".xji", ForkliftTextBoxSize(m));
        pair(obj + "wid_pudk", ".xji", ForkliftPictureBoxSize(m));
        pair(obj + "wid_podd", ".xji", ForkliftTextHighlightSize(m));
        pair(obj + "wid_podk", ".xji", ForkliftPictureHighlightSize(m));
        for (int k = 0; k < 8; ++k)
            pair(obj + CWidWozek::PictureNames()[static_cast<std::size_t>(k)], ".xji", ForkliftTruckSize(m, k));
        pair(back + "pss_tlo", ".xji", backdrop);
        pair(obj + "pss_ram", ".xji", SuctionPlateSize(m));
        pair(obj + "pss_pod", ".xji", SuctionHighlightSize(m));
        add(back + "oprogT.xji", backdrop);
        add(obj + "oprog_log.xji", AboutLogoSize(m));
        AddArrowFiles(files, m);
        add(back + "glosT.xji", backdrop);
        pair(obj + "glos_ikony", ".xbi", VoiceIconStripSize(m));
    }
    add(spec + "R5_pss_snieg.xji", kSuctionSnowSize);
    add("Data\\Intf\\QW6_Splash.xji", {600, 348});
    pair(spec + "RU_mnqw6", ".xji", kLogoSize);
    pair(spec + "mKom_pc_", ".xji", {320, 120});
    for (const char* rating : {"B", "M", "G"})
        add(spec + "mStats" + rating + ".xji", {600, 450});
    add(spec + "mKom_kp.xji", {420, 250});

    auto library = [&](const std::string& name, UiSize s) { files.push_back({name, s.width, s.height, true}); };
    for (const char* b : {"stop", "pomoc", "start", "wyjdz", "oprogramie", "rrec", "rodtworz", "rstop", "up", "down", "dalej", "wstecz", "tak", "usun"})
        for (const char* suffix : {"_A", "_D", "_", "_M"})
            library(std::string(b) + suffix, ButtonSize(b));
    for (bool large : {false, true}) {
        const std::string p = large ? "b_" : "s_";
        for (const char* name : {"malo", "srednio", "duzo", "naglos", "srodglos", "wyglos", "slowa", "zwroty"})
            for (const char* suffix : {"_A", "_D"})
                library(p + name + suffix, CheckButtonSize(large, false));
        for (const char* name : {"SZ", "ZZ", "CZ", "DZZ", "S", "Z", "C", "DZ", "SS", "ZZZ", "CC", "DZZZ"})
            for (const char* suffix : {"_A", "_D"})
                library(p + name + suffix, CheckButtonSize(large, true));
        for (const char* name : {"nap_ilzadan", "nap_pozycja", "nap_gloski"})
            library(std::string(name) + (large ? "_b" : "_s"), CaptionSize(large));
    }
    library("S_CHBUT_A", ButtonSize("S_CHBUT"));
    library("S_CHBUT_D", ButtonSize("S_CHBUT"));
    library("scroll_D", ButtonSize("scroll"));
    library("scroll_M", ButtonSize("scroll"));
    library("REKA1", kHandCursorSize);
    AddChildrenFiles(files);
    return files;
}
