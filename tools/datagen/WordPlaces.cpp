// The places where the games show a word picture and what each keeps of it.
#include "tools/datagen/WordPlaces.h"

#include <algorithm>
#include <cmath>

#include "games/memory/GraMemory.h"

std::vector<WordPlace> WordPlacesOf(const UiMode& m)
{
    const auto even = [](double v) { return PlaceInsets{v, v, v, v}; };
    std::vector<WordPlace> places;
    // Memory cards and cans get the small picture with a one-pixel outline.
    const TPoint card = graMemory::CardFaceSize(m.mode);
    places.push_back({"card", PictureSize::Small, card.x, card.y, 1, even(1), 0});
    const UiConveyor conveyor = ConveyorLayout(m);
    places.push_back({"can", PictureSize::Small, conveyor.windowWidth, conveyor.windowHeight, 1, even(1), 0});
    // A wagon's picture lies in its frame, and the wagon's front over both
    // shows it through a window of its own.
    const UiSize frame = TrainFrameSize(m);
    const int border = TrainFrameBorder(m);
    const UiRect window = TrainWagonWindow(m);
    places.push_back({"wagon", PictureSize::Small, frame.width - 2 * border, frame.height - 2 * border, 0,
                      {std::max(0.0, double(window.left - border)), std::max(0.0, double(window.top - border)),
                       std::max(0.0, double(frame.width - window.right - border)),
                       std::max(0.0, double(frame.height - window.bottom - border))},
                      TrainWagonWindowRadius(m)});
    const UiRect box = ForkliftPictureWindow(m);
    places.push_back({"box", PictureSize::Small, box.right - box.left, box.bottom - box.top, 0, even(0),
                      ForkliftWindowRadius(m)});
    for (int k = 0; k < 5; ++k) {
        const UiRect r = SuctionScreen(m, k);
        places.push_back({"screen" + std::to_string(k + 1), PictureSize::Large, r.right - r.left, r.bottom - r.top, 1,
                          even(SuctionCasingBorder(m)), SuctionWindowRadius(m)});
    }
    // The 1280-wide mode shows the 1024 x 768 zoom.
    const UiMode& zoomMode = m.mode == 16 ? UiModes()[1] : m;
    const UiSize zoom = ZoomWindowSize(zoomMode);
    places.push_back(
        {"zoom", PictureSize::Large, zoom.width, zoom.height, 1, even(WordWindowInset()), ZoomWindowRadius(zoomMode)});
    const UiSize panel = MemoryPanelSize(m);
    places.push_back(
        {"panel", PictureSize::Large, panel.width, panel.height, 1, even(WordWindowInset()), MemoryPanelRadius(m)});
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
    const double stripLeft = (kDesignWidth - place.width * unit) / 2;
    const PlaceInsets& in = place.insets;
    return {std::max(0.0, stripLeft + in.left * unit), in.top * unit,
            std::min(kDesignWidth, kDesignWidth - stripLeft - in.right * unit), kDesignHeight - in.bottom * unit};
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
