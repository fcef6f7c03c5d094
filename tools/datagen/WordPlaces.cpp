// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The places where the games show a word picture and what each keeps of it.
#include "tools/datagen/WordPlaces.h"

#include <algorithm>
#include <cmath>

#include "games/memory/GraMemory.h"

std::vector<WordPlace> WordPlacesOf(const UiMode& m)
{
    std::vector<WordPlace> places;
    // Memory cards, cans and wagons get the small picture with a one-pixel
    // outline (the wagon's frame picture lies round it instead).
    const TPoint card = graMemory::CardFaceSize(m.mode);
    places.push_back({"card", PictureSize::Small, card.x, card.y, 1, 1, 0});
    const UiConveyor conveyor = ConveyorLayout(m);
    places.push_back({"can", PictureSize::Small, conveyor.windowWidth, conveyor.windowHeight, 1, 1, 0});
    const UiSize frame = TrainFrameSize(m);
    const int border = TrainFrameBorder(m);
    places.push_back({"wagon", PictureSize::Small, frame.width - 2 * border, frame.height - 2 * border, 0, 0, 0});
    const UiRect box = ForkliftPictureWindow(m);
    places.push_back({"box", PictureSize::Small, box.right - box.left, box.bottom - box.top, 0, 0,
                      ForkliftWindowRadius(m)});
    for (int k = 0; k < 5; ++k) {
        const UiRect r = SuctionScreen(m, k);
        places.push_back({"screen" + std::to_string(k + 1), PictureSize::Large, r.right - r.left, r.bottom - r.top, 1,
                          SuctionCasingBorder(m), SuctionWindowRadius(m)});
    }
    // The 1280-wide mode shows the 1024 x 768 zoom.
    const UiMode& zoomMode = m.mode == 16 ? UiModes()[1] : m;
    const UiSize zoom = ZoomWindowSize(zoomMode);
    places.push_back(
        {"zoom", PictureSize::Large, zoom.width, zoom.height, 1, WordWindowInset(), ZoomWindowRadius(zoomMode)});
    const UiSize panel = MemoryPanelSize(m);
    places.push_back(
        {"panel", PictureSize::Large, panel.width, panel.height, 1, WordWindowInset(), MemoryPanelRadius(m)});
    return places;
}

namespace {

constexpr double kDesignWidth = 400;
constexpr double kDesignHeight = 300;

// Design units per pixel of the place: the strip the game cuts is the
// picture's whole height.
double UnitsPerPixel(const WordPlace& place) { return kDesignHeight / place.height; }

}  // namespace

DesignBox KeptInView(const WordPlace& place)
{
    const double unit = UnitsPerPixel(place);
    const double strip = place.width * unit;
    const double left = (kDesignWidth - strip) / 2 + place.inset * unit;
    const double top = place.inset * unit;
    return {std::max(0.0, left), top, std::min(kDesignWidth, kDesignWidth - left), kDesignHeight - top};
}

bool ShowsInPlace(const WordPlace& place, double x, double y)
{
    const DesignBox kept = KeptInView(place);
    if (x < kept.left || x > kept.right || y < kept.top || y > kept.bottom)
        return false;
    const double r = place.radius * UnitsPerPixel(place);
    const double cx = std::clamp(x, kept.left + r, kept.right - r);
    const double cy = std::clamp(y, kept.top + r, kept.bottom - r);
    return std::hypot(x - cx, y - cy) <= r;
}
