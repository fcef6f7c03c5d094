// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SDL window, event translation and fast presenting of changed rectangles.
#include "platform/sdl/SdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/IdleTurns.h"
#include "platform/MainThread.h"
#include "platform/Platform.h"
#include "platform/Paths.h"
#include "platform/PngWriter.h"
#include "platform/Text.h"
#include "platform/sdl/SdlDesktopIdentity.h"

namespace {

int KeyCode(SDL_Keycode k)
{
    if (k >= SDLK_a && k <= SDLK_z)
        return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9)
        return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return VK_F1 + (k - SDLK_F1);
    switch (k) {
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    default: return 0;
    }
}

// The character a key types that SDL does not report as text input.
int ControlCharacter(int key)
{
    switch (key) {
    case VK_ESCAPE: return 27;
    case VK_RETURN: return 13;
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    default: return 0;
    }
}

TShiftState Modifiers(int m = SDL_GetModState())
{
    TShiftState s = 0;
    if ((m & KMOD_SHIFT) != 0)
        s |= ssShift;
    if ((m & KMOD_CTRL) != 0)
        s |= ssCtrl;
    if ((m & KMOD_ALT) != 0)
        s |= ssAlt;
    return s;
}

bool Button(uint8_t sdlButton, TMouseButton& button)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = TMouseButton::mbLeft; return true;
    case SDL_BUTTON_RIGHT: button = TMouseButton::mbRight; return true;
    case SDL_BUTTON_MIDDLE: button = TMouseButton::mbMiddle; return true;
    default: return false;
    }
}

// The program's own hand cursor where the data has one: the picture library
// holds it as "REKA1"; its first opaque pixel from the top is the finger tip.
SDL_Surface* LoadHandPicture(int& hotX, int& hotY)
{
    if (!FileExists("RESOURCE\\REKA1.bmp"))
        return nullptr;
    const std::filesystem::path file = NativePath("RESOURCE\\REKA1.bmp");
    SDL_Surface* loaded = SDL_LoadBMP(file.string().c_str());  // SDL takes UTF-8 names everywhere
    if (loaded == nullptr)
        return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    const bool hadAlpha = SDL_ISPIXELFORMAT_ALPHA(loaded->format->format);
    SDL_FreeSurface(loaded);
    if (argb == nullptr)
        return nullptr;
    SDL_LockSurface(argb);
    auto* px = static_cast<uint32_t*>(argb->pixels);
    const int pitch = argb->pitch / 4;
    // Without an alpha channel the colour of the corner is the transparent one.
    const uint32_t key = px[0] | 0xFF000000u;
    if (!hadAlpha)
        for (int y = 0; y < argb->h; ++y)
            for (int x = 0; x < argb->w; ++x) {
                uint32_t& p = px[y * pitch + x];
                p = (p | 0xFF000000u) == key ? 0 : (p | 0xFF000000u);
            }
    hotX = 0;
    hotY = 0;
    bool found = false;
    for (int y = 0; y < argb->h && !found; ++y)
        for (int x = 0; x < argb->w && !found; ++x)
            if ((px[y * pitch + x] >> 24) >= 128) {
                hotX = x;
                hotY = y;
                found = true;
            }
    SDL_UnlockSurface(argb);
    return argb;
}

SDL_Keycode SdlKey(int key)
{
    if (key >= 'A' && key <= 'Z')
        return SDLK_a + (key - 'A');
    if (key >= '0' && key <= '9')
        return SDLK_0 + (key - '0');
    switch (key) {
    case VK_ESCAPE: return SDLK_ESCAPE;
    case VK_RETURN: return SDLK_RETURN;
    case VK_SPACE: return SDLK_SPACE;
    case VK_BACK: return SDLK_BACKSPACE;
    case VK_TAB: return SDLK_TAB;
    case VK_LEFT: return SDLK_LEFT;
    case VK_RIGHT: return SDLK_RIGHT;
    case VK_UP: return SDLK_UP;
    case VK_DOWN: return SDLK_DOWN;
    case VK_DELETE: return SDLK_DELETE;
    case VK_HOME: return SDLK_HOME;
    case VK_END: return SDLK_END;
    case VK_SHIFT: return SDLK_LSHIFT;
    case VK_CONTROL: return SDLK_LCTRL;
    case VK_MENU: return SDLK_LALT;
    default: return SDLK_UNKNOWN;
    }
}

uint8_t SdlButton(TMouseButton b)
{
    return b == TMouseButton::mbRight ? SDL_BUTTON_RIGHT : b == TMouseButton::mbMiddle ? SDL_BUTTON_MIDDLE : SDL_BUTTON_LEFT;
}

}  // namespace

SdlBackend::SdlBackend(const SdlWindowOptions& options) : scale_(options.scale)
{
    // The window surface is kept off OpenGL: where OpenGL is rendered in
    // software, a texture framebuffer redraws the whole window for every
    // small update, while the plain surface sends only the changed rectangles.
    // The environment may still choose otherwise.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    // SDL's own handlers of SIGINT and SIGTERM only note the signal, and
    // its wait for input goes on waiting: the program takes them itself
    // (QuitSignals) and wakes the wait.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A touch screen reaches the program as the mouse through TranslateFinger
    // alone: SDL's own mouse events made from touches are not wanted too (a
    // tap would come twice where the system also makes them), nor touches
    // made from the mouse.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
    SetDesktopClass();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
    // Without a display SDL falls back to drivers that draw into memory: the
    // program would run for ever with nothing shown.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (options.needVisibleWindow && driver != nullptr &&
        (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        throw NoDisplayError(std::string("no display to show the window on (SDL's video driver is \"") + driver +
                             "\")");
    }
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        desktop.w = 1024;
        desktop.h = 768;
    }
    int w = options.screenWidth > 0 ? options.screenWidth : desktop.w;
    int h = options.screenHeight > 0 ? options.screenHeight : desktop.h;
    if (options.windowed && options.screenWidth <= 0) {
        // A window of its own is the design area that suits the desktop
        // beside its panels (or the whole desktop, where none fits beside them).
        SDL_Rect usable{0, 0, desktop.w, desktop.h};
        SDL_GetDisplayUsableBounds(0, &usable);
        TSize area = ChooseScaledArea({usable.w, usable.h});
        if (area.width == usable.w && area.height == usable.h)
            area = ChooseScaledArea({w, h});
        w = area.width;
        h = area.height;
    }
    const TSize area = scale_ ? ChooseScaledArea({w, h}) : TSize{w, h};
    screen_ = Bitmap(area.width, area.height, PixelFormat::Bgr24);
    const std::string title = Cp1250ToUtf8(options.title);
    if (options.windowed)
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                   SDL_WINDOW_RESIZABLE);
    else
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED_DISPLAY(0), SDL_WINDOWPOS_CENTERED_DISPLAY(0),
                                   desktop.w, desktop.h, SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    if (window_ == nullptr) {
        const std::string error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        throw std::runtime_error("SDL: " + error);
    }
    SetDesktopIcon(window_);
    RefreshSurface();
    if (options.hasScript) {
        script_ = std::make_unique<ScriptReader>(options.scriptText);
        std::error_code ec;
        startDir_ = std::filesystem::current_path(ec);
        if (!options.scriptError.empty()) {
            InputEvent failed;
            failed.kind = InputKind::ScriptError;
            failed.text = options.scriptError;
            scriptLines_.push_back(failed);
        }
    }
    wakeEventType_ = SDL_RegisterEvents(1);
    if (wakeEventType_ != static_cast<uint32_t>(-1)) {
        const uint32_t type = wakeEventType_;
        SetMainThreadWakeUp([type] {
            SDL_Event e{};
            e.type = type;
            SDL_PushEvent(&e);
        });
    }
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    int hotX = 0, hotY = 0;
    handPicture_ = LoadHandPicture(hotX, hotY);
    if (handPicture_ != nullptr)
        hand_ = SDL_CreateColorCursor(handPicture_, hotX, hotY);
    if (hand_ == nullptr)
        hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    SDL_StartTextInput();
}

SdlBackend::~SdlBackend()
{
    SetMainThreadWakeUp({});
    SDL_StopTextInput();
    if (hand_ != nullptr)
        SDL_FreeCursor(hand_);
    if (arrow_ != nullptr)
        SDL_FreeCursor(arrow_);
    if (handPicture_ != nullptr)
        SDL_FreeSurface(handPicture_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void SdlBackend::RefreshSurface()
{
    surface_ = SDL_GetWindowSurface(window_);
    if (surface_ == nullptr)
        return;
    // A resized or maximised window shows the picture anew, fitted to it.
    view_ = ScaledView({screen_.Width(), screen_.Height()}, {surface_->w, surface_->h}, scale_);
    SDL_FillRect(surface_, nullptr, SDL_MapRGB(surface_->format, 0, 0, 0));
    shown_.Reset(screen_.Width(), screen_.Height());
    borders_.Reset();
}

void SdlBackend::Present(const TRect& rect)
{
    Present(std::span<const TRect>(&rect, 1));
}

void SdlBackend::Present(std::span<const TRect> rects)
{
    Present(rects, {});
}

bool SdlBackend::PresentsPictures() const
{
    if (surface_ == nullptr || view_.Scaled())
        return false;
    const Uint32 format = surface_->format->format;
    return format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
}

void SdlBackend::Present(std::span<const TRect> rects, std::span<const PictureRect> pictures)
{
    if (surface_ == nullptr)
        return;
    // Scaled, only what changed is drawn again: on a large display each
    // screen pixel is several window pixels to write, and a rectangle
    // presented may hold parts that are already shown. Unscaled, converting
    // costs no more than comparing would.
    std::vector<TRect> parts;
    for (const TRect& rect : rects) {
        const TRect screenRect = rect.Intersect(screen_.Bounds());
        if (screenRect.IsEmpty())
            continue;
        if (view_.Scaled()) {
            const std::vector<TRect> changed = shown_.TakeChanges(screen_, screenRect);
            parts.insert(parts.end(), changed.begin(), changed.end());
        } else {
            parts.push_back(screenRect);
        }
    }
    const TRect window{0, 0, surface_->w, surface_->h};
    std::vector<SDL_Rect> updates;
    if (SDL_MUSTLOCK(surface_))
        SDL_LockSurface(surface_);
    for (const TRect& part : parts) {
        const TRect r = view_.AffectedBy(part).Intersect(window);
        if (r.IsEmpty())
            continue;
        RenderWindowRect(r);
        updates.push_back({r.left, r.top, r.Width(), r.Height()});
    }
    if (PresentsPictures()) {
        const PixelTarget target{static_cast<uint8_t*>(surface_->pixels), surface_->pitch};
        for (const PictureRect& p : pictures) {
            const TRect onScreen = p.rect.Intersect(screen_.Bounds());
            const TRect r = view_.AffectedBy(onScreen).Intersect(window);
            if (r.IsEmpty())
                continue;
            FrameScaler::ConvertPicture(*p.picture, p.origin, view_, onScreen, target);
            updates.push_back({r.left, r.top, r.Width(), r.Height()});
        }
    }
    // Beside a scaled picture, a calm continuation of it, drawn again only
    // when the picture's outer pixels change (32-bit surfaces; others keep black).
    const Uint32 format = surface_->format->format;
    if (view_.Scaled() && (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888))
        for (const TRect& rect : rects)
            for (const TRect& r : borders_.Refresh(screen_, view_, rect.Intersect(screen_.Bounds()),
                                                   {static_cast<uint8_t*>(surface_->pixels), surface_->pitch}))
                updates.push_back({r.left, r.top, r.Width(), r.Height()});
    if (SDL_MUSTLOCK(surface_))
        SDL_UnlockSurface(surface_);
    if (!updates.empty())
        SDL_UpdateWindowSurfaceRects(window_, updates.data(), static_cast<int>(updates.size()));
}

void SdlBackend::RenderWindowRect(const TRect& r)
{
    const Uint32 format = surface_->format->format;
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
        scaler_.Render(screen_, view_, r, {static_cast<uint8_t*>(surface_->pixels), surface_->pitch});
        return;
    }
    // Rendered as 32-bit first, then turned into the surface's layout by SDL.
    const int pitch = r.Width() * 4;
    staging_.resize(static_cast<std::size_t>(pitch) * r.Height());
    const PixelTarget staged{staging_.data() - static_cast<std::ptrdiff_t>(r.top) * pitch - r.left * 4, pitch};
    scaler_.Render(screen_, view_, r, staged);
    auto* dst = static_cast<uint8_t*>(surface_->pixels) + static_cast<std::ptrdiff_t>(r.top) * surface_->pitch +
                r.left * surface_->format->BytesPerPixel;
    SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_ARGB8888, staging_.data(), pitch, format, dst,
                      surface_->pitch);
}

bool SdlBackend::HasPendingInput() const
{
    return !pending_.empty() || SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE;
}

bool SdlBackend::TakePending(InputEvent& event)
{
    if (pending_.empty())
        return false;
    event = pending_.front();
    pending_.pop_front();
    return true;
}

bool SdlBackend::PollEvent(InputEvent& event)
{
    SDL_Event e;
    for (;;) {
        while (pending_.empty() && SDL_PollEvent(&e) != 0)
            Translate(e);
        // The script's next line waits until what it fed before was taken.
        if (!pending_.empty() || !FeedScript())
            break;
    }
    return TakePending(event);
}

bool SdlBackend::PollArrivedEvent(InputEvent& event)
{
    // What the devices have sent. A script's further lines, and its
    // observations (shot, expect, its end), wait for the message loop, as
    // in headless runs.
    SDL_Event e;
    while (pending_.empty() && SDL_PollEvent(&e) != 0)
        Translate(e);
    if (pending_.empty() || IsScriptCommand(pending_.front().kind))
        return false;
    return TakePending(event);
}

bool SdlBackend::WaitEvent(InputEvent& event, int timeoutMs)
{
    // The program waits for input: no frame loop runs, no frame will come.
    scriptDueTurn_ = 0;
    if (PollEvent(event))
        return true;
    const int scriptDelay = ScriptDelay();
    if (scriptDelay >= 0 && (timeoutMs < 0 || scriptDelay < timeoutMs))
        timeoutMs = scriptDelay;
    SDL_Event e;
    const int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeoutMs);
    if (got != 0)
        Translate(e);
    return PollEvent(event);
}

int SdlBackend::ScriptDelay() const
{
    if (!script_ || scriptEnded_)
        return -1;
    const uint64_t now = SDL_GetTicks64();
    return now >= scriptDueMs_ ? 0 : static_cast<int>(scriptDueMs_ - now);
}

bool SdlBackend::FeedScript()
{
    if (!script_ || scriptEnded_ || SDL_GetTicks64() < scriptDueMs_ || BusyIdleTurns() < scriptDueTurn_)
        return false;
    scriptDueTurn_ = 0;
    if (scriptLines_.empty())
        script_->ReadNext(scriptLines_);
    bool fed = false;
    while (!scriptLines_.empty()) {
        InputEvent line = scriptLines_.front();
        scriptLines_.pop_front();
        switch (line.kind) {
        case InputKind::ScriptWait:
            // Frames are counted where they run: slow frames in a real
            // window fall behind the clock, and a held key with them.
            if (line.text == "frames")
                scriptDueTurn_ = BusyIdleTurns() + line.amount;
            else
                scriptDueMs_ = SDL_GetTicks64() + static_cast<uint64_t>(std::max(line.amount, 0));
            return fed;
        case InputKind::ScriptShot:
            if (std::filesystem::path(line.text).is_relative() && !startDir_.empty())
                line.text = (startDir_ / line.text).string();
            pending_.push_back(line);
            return true;
        case InputKind::ScriptExpect:
            pending_.push_back(line);
            return true;
        case InputKind::ScriptEnd:
        case InputKind::ScriptError:
            scriptEnded_ = true;
            pending_.push_back(line);
            return true;
        default:
            // A line's events (a click is a move, a press and a release) go in together.
            fed = InjectWindowInput(line) || fed;
            break;
        }
    }
    return fed;
}

void SdlBackend::Translate(const SDL_Event& e)
{
    InputEvent ev;
    ev.shift = Modifiers();
    switch (e.type) {
    case SDL_MOUSEMOTION:
        if (e.motion.which == SDL_TOUCH_MOUSEID)
            break;
        ev.kind = InputKind::MouseMove;
        ev.x = view_.ToScreen({e.motion.x, e.motion.y}).x;
        ev.y = view_.ToScreen({e.motion.x, e.motion.y}).y;
        pending_.push_back(ev);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.which == SDL_TOUCH_MOUSEID || !Button(e.button.button, ev.button))
            break;
        ev.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputKind::MouseDown : InputKind::MouseUp;
        ev.x = view_.ToScreen({e.button.x, e.button.y}).x;
        ev.y = view_.ToScreen({e.button.x, e.button.y}).y;
        pending_.push_back(ev);
        break;
    case SDL_MOUSEWHEEL: {
        int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        ev.kind = InputKind::Wheel;
        for (; notches != 0; notches += notches > 0 ? -1 : 1) {
            ev.amount = notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA;
            pending_.push_back(ev);
        }
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        // The modifiers held with the key, not those held when it is read
        // (a script's keys never touch the keyboard's state).
        ev.shift = Modifiers(e.key.keysym.mod);
        ev.key = KeyCode(e.key.keysym.sym);
        if (ev.key == 0)
            break;
        ev.kind = e.type == SDL_KEYDOWN ? InputKind::KeyDown : InputKind::KeyUp;
        pending_.push_back(ev);
        if (e.type == SDL_KEYDOWN && ControlCharacter(ev.key) != 0) {
            ev.kind = InputKind::Char;
            ev.key = ControlCharacter(ev.key);
            pending_.push_back(ev);
        }
        break;
    case SDL_TEXTINPUT: {
        // Characters cp1250 has no code for are dropped rather than typed as '?'.
        const std::string utf8 = e.text.text;
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            const std::size_t len = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
            const std::string one = utf8.substr(i, len);
            i += len;
            const std::string cp = Utf8ToCp1250(one);
            if (cp.size() != 1 || (cp == "?" && one != "?"))
                continue;
            ev.kind = InputKind::Char;
            ev.key = static_cast<unsigned char>(cp[0]);
            pending_.push_back(ev);
        }
        break;
    }
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
        TranslateFinger(e);
        break;
    case SDL_QUIT:
        ev.kind = InputKind::Quit;
        pending_.push_back(ev);
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED)
            RefreshSurface();
        else if (e.window.event == SDL_WINDOWEVENT_EXPOSED && surface_ != nullptr)
            SDL_UpdateWindowSurface(window_);  // the borders too: the program presents only its picture
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESIZED) {
            ev.kind = InputKind::Expose;
            pending_.push_back(ev);
        }
        break;
    default:
        if (e.type == wakeEventType_) {
            ev.kind = InputKind::Wake;
            pending_.push_back(ev);
        }
        break;
    }
}

void SdlBackend::TranslateFinger(const SDL_Event& e)
{
    const SDL_TouchFingerEvent& f = e.tfinger;
    // A touchpad moves the pointer through the mouse events already.
    const SDL_TouchDeviceType device = SDL_GetTouchDeviceType(f.touchId);
    if (f.touchId == SDL_MOUSE_TOUCHID || device == SDL_TOUCH_DEVICE_INDIRECT_ABSOLUTE ||
        device == SDL_TOUCH_DEVICE_INDIRECT_RELATIVE)
        return;
    // The first finger down is the left button held where it touches; other
    // fingers are left alone until it is lifted.
    if (e.type == SDL_FINGERDOWN) {
        if (fingerDown_)
            return;
        fingerDown_ = true;
        finger_ = f.fingerId;
        touchDevice_ = f.touchId;
    } else if (!fingerDown_ || f.fingerId != finger_ || f.touchId != touchDevice_) {
        return;
    }
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    const TPoint at = view_.ToScreen(
        {std::clamp(static_cast<int>(f.x * static_cast<float>(w)), 0, std::max(w - 1, 0)),
         std::clamp(static_cast<int>(f.y * static_cast<float>(h)), 0, std::max(h - 1, 0))});
    InputEvent ev;
    ev.shift = Modifiers();
    ev.kind = e.type == SDL_FINGERDOWN ? InputKind::MouseDown
              : e.type == SDL_FINGERUP ? InputKind::MouseUp
                                       : InputKind::MouseMove;
    ev.button = TMouseButton::mbLeft;
    ev.x = at.x;
    ev.y = at.y;
    pending_.push_back(ev);
    if (e.type == SDL_FINGERUP)
        fingerDown_ = false;
}

void SdlBackend::SetCursorShape(TCursor cursor)
{
    SDL_Cursor* c = cursor == crHand ? hand_ : arrow_;
    if (c != nullptr)
        SDL_SetCursor(c);
}

bool SdlBackend::ConfinePointer(const TRect* rect)
{
    // SDL accepts the rectangle even where the driver cannot hold the pointer
    // to it; the drivers without a real pointer never can.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool driverConfines = driver != nullptr && std::strcmp(driver, "dummy") != 0 &&
                                std::strcmp(driver, "offscreen") != 0;
    int result;
    if (rect == nullptr) {
        result = SDL_SetWindowMouseRect(window_, nullptr);
    } else {
        // The window pixels that map into the rectangle, at least one.
        const TRect w = view_.ToWindow(*rect);
        const SDL_Rect r{w.left, w.top, std::max(w.Width(), 1), std::max(w.Height(), 1)};
        result = SDL_SetWindowMouseRect(window_, &r);
    }
    return result == 0 && driverConfines;
}

void SdlBackend::WarpPointer(int x, int y)
{
    const TPoint w = view_.ToWindow(TPoint{x, y});
    SDL_WarpMouseInWindow(window_, w.x, w.y);
}

void SdlBackend::SetTitle(const std::string& cp1250)
{
    SDL_SetWindowTitle(window_, Cp1250ToUtf8(cp1250).c_str());
}

void SdlBackend::Raise()
{
    SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
}

bool SdlBackend::SaveDisplayedPicture(const std::filesystem::path& file)
{
    // Read back what the window surface holds, borders and scaling included,
    // not the program's own screen copy.
    if (surface_ == nullptr)
        return false;
    Bitmap shown(surface_->w, surface_->h, PixelFormat::Bgrx32);
    if (SDL_MUSTLOCK(surface_))
        SDL_LockSurface(surface_);
    const int rc = SDL_ConvertPixels(surface_->w, surface_->h, surface_->format->format, surface_->pixels,
                                     surface_->pitch, SDL_PIXELFORMAT_RGB888, shown.Bits(), shown.Stride());
    if (SDL_MUSTLOCK(surface_))
        SDL_UnlockSurface(surface_);
    if (rc != 0)
        return false;
    // Bitmap rows are stored bottom-up.
    std::vector<uint8_t> row(static_cast<std::size_t>(shown.Stride()));
    for (int y = 0, z = shown.Height() - 1; y < z; ++y, --z) {
        std::memcpy(row.data(), shown.ScanLine(y), row.size());
        std::memcpy(shown.ScanLine(y), shown.ScanLine(z), row.size());
        std::memcpy(shown.ScanLine(z), row.data(), row.size());
    }
    return SavePng(shown, file);
}

bool SdlBackend::InjectInput(const InputEvent& event)
{
    InputEvent inWindow = event;
    const TPoint w = view_.ToWindow(TPoint{event.x, event.y});
    inWindow.x = w.x;
    inWindow.y = w.y;
    return InjectWindowInput(inWindow);
}

bool SdlBackend::InjectWindowInput(const InputEvent& event)
{
    SDL_Event e{};
    const uint32_t windowId = SDL_GetWindowID(window_);
    const int x = event.x, y = event.y;
    switch (event.kind) {
    case InputKind::MouseMove:
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = windowId;
        e.motion.x = x;
        e.motion.y = y;
        break;
    case InputKind::MouseDown:
    case InputKind::MouseUp:
        e.type = event.kind == InputKind::MouseDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = windowId;
        e.button.button = SdlButton(event.button);
        e.button.state = event.kind == InputKind::MouseDown ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = x;
        e.button.y = y;
        break;
    case InputKind::Wheel:
        e.type = SDL_MOUSEWHEEL;
        e.wheel.windowID = windowId;
        e.wheel.y = event.amount > 0 ? 1 : -1;
        e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        break;
    case InputKind::KeyDown:
    case InputKind::KeyUp:
        e.type = event.kind == InputKind::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = windowId;
        e.key.state = event.kind == InputKind::KeyDown ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = SdlKey(event.key);
        e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
        e.key.keysym.mod = static_cast<Uint16>(((event.shift & ssShift) != 0 ? KMOD_LSHIFT : 0) |
                                               ((event.shift & ssCtrl) != 0 ? KMOD_LCTRL : 0) |
                                               ((event.shift & ssAlt) != 0 ? KMOD_LALT : 0));
        if (e.key.keysym.sym == SDLK_UNKNOWN)
            return false;
        break;
    case InputKind::Quit:
        // A script's "quit": the window manager's close request.
        e.type = SDL_QUIT;
        break;
    case InputKind::Char: {
        // Control characters come from their keys, as on a real keyboard.
        if (event.key < 32)
            return true;
        const std::string utf8 = Cp1250ToUtf8(std::string(1, static_cast<char>(event.key)));
        e.type = SDL_TEXTINPUT;
        e.text.windowID = windowId;
        std::strncpy(e.text.text, utf8.c_str(), sizeof(e.text.text) - 1);
        break;
    }
    default:
        return false;
    }
    return SDL_PushEvent(&e) == 1;
}
