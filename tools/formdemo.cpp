// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A small program on the form library: a form with a paint box animated by a
// timer, a button that opens a rounded, draggable modal form, labels and a
// text field. Runs in a window or headless from a script, so that the two
// can be compared screenshot for screenshot.
//
//   szeptaczki-formdemo [--windowed] [--screen WxH] [--headless --script FILE]
//                       [--open-modal] [--text TEXT] [--shot-after MS FILE]
//                       [--feed FILE]
// --feed drives the real window with the same script a headless run takes:
// its input goes through SDL's event queue, its waits take real time.
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Application.h"
#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/MainThread.h"
#include "platform/PaintBox.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/ScriptReader.h"
#include "platform/Text.h"
#include "platform/sdl/SdlBackend.h"

namespace {

// A push button drawn with the canvas: its colour follows the mouse.
class DemoButton : public TPaintBox {
public:
    DemoButton(TForm& form, std::string caption) : TPaintBox(form), caption_(std::move(caption))
    {
        Cursor = crHand;
        OnPaint = [this] { Draw(); };
        OnMouseEnter = [this] { Draw(); };
        OnMouseLeave = [this] { Draw(); };
        OnMouseDown = [this](TMouseButton, TShiftState, int, int) { Draw(); };
        OnMouseUp = [this](TMouseButton, TShiftState, int, int) { Draw(); };
    }

private:
    void Draw()
    {
        TCanvas& c = Canvas();
        const bool pressed = MouseInside() && (Form().App().MouseButtons() & ssLeft) != 0;
        c.Brush.Color = pressed ? RGB(30, 90, 160) : MouseInside() ? RGB(80, 160, 240) : RGB(50, 120, 200);
        c.Pen.Color = RGB(20, 40, 80);
        c.Pen.Width = 2;
        c.Rectangle({0, 0, Width(), Height()});
        c.Font.Name = "Tahoma";
        c.Font.Height = 18;
        c.Font.Bold = true;
        c.Font.Color = clWhite;
        c.Brush.Clear = true;
        const TPoint size = c.TextExtent(caption_);
        c.TextOut((Width() - size.x) / 2, (Height() - size.y) / 2, caption_);
        c.Brush.Clear = false;
    }

    std::string caption_;
};

class TFormDemoOkno : public TForm {
public:
    explicit TFormDemoOkno(TApplication& app) : TForm(app, "FormDemoOkno", 420, 250), label_(*this), ok_(*this, "OK")
    {
        SetRoundRectRegion({0, 0, 420, 250}, 25, 25);
        OnPaint = [this] {
            Canvas().Brush.Color = RGB(255, 236, 150);
            Canvas().FillRect({0, 0, Width(), Height()});
            Canvas().Brush.Color = RGB(200, 120, 0);
            Canvas().FrameRect({2, 2, Width() - 2, Height() - 2});
        };
        OnMouseDown = [this](TMouseButton b, TShiftState, int, int) {
            if (b == TMouseButton::mbLeft)
                BeginMoveDrag();
        };
        OnKeyPress = [this](char& key) {
            if (key == 27)
                SetModalResult(2);
        };
        TFont font;
        font.Name = "Arial Black";
        font.Height = 16;
        font.Bold = true;
        label_.SetAutoSize(false);
        label_.SetBounds(18, 59, 385, 126);
        label_.SetWordWrap(true);
        label_.SetAlignment(TAlignment::taCenter);
        label_.SetTransparent(true);
        label_.SetFont(font);
        label_.SetCaption("Proszę wybrać większą liczbę głosek lub pozycji."_cp);
        label_.OnMouseDown = OnMouseDown;
        ok_.SetBounds(180, 170, 60, 40);
        ok_.OnClick = [this] { SetModalResult(1); };
    }

private:
    TLabel label_;
    DemoButton ok_;
};

class TFormDemo : public TForm {
public:
    TFormDemo(TApplication& app, TFormDemoOkno& okno)
        : TForm(app, "FormDemo", app.ScreenWidth(), app.ScreenHeight()),
          okno_(okno),
          pbScene_(*this),
          open_(*this, "Otwórz okno"_cp),
          title_(*this),
          prompt_(*this),
          echo_(*this),
          result_(*this),
          wrapped_(*this),
          name_(*this),
          timMove_([this] { timMoveTimer(); }, 100, true)
    {
        OnPaint = [this] {
            // A vertical gradient from blue to green.
            for (int y = 0; y < Height(); ++y) {
                Canvas().Brush.Color = RGB(20, 60 + 120 * y / Height(), 160 - 100 * y / Height());
                Canvas().FillRect({0, y, Width(), y + 1});
            }
        };
        OnKeyDown = [this](int& key, TShiftState) {
            if (key == VK_ESCAPE)
                Close();
        };
        KeyPreview = true;

        TFont titleFont;
        titleFont.Name = "Arial Black";
        titleFont.Height = 30;
        titleFont.Color = clWhite;
        title_.SetTransparent(true);
        title_.SetFont(titleFont);
        title_.SetBounds(40, 30, 0, 0);
        title_.SetCaption("Szeptaczki – próba formularzy"_cp);

        pbScene_.SetBounds(40, 100, 600, 400);
        pbScene_.OnPaint = [this] { DrawScene(); };
        pbScene_.OnMouseDown = [this](TMouseButton, TShiftState, int x, int y) {
            pbScene_.Canvas().Brush.Color = clRed;
            pbScene_.Canvas().FillRect(RectXYWH(x - 3, y - 3, 7, 7));
        };

        open_.SetBounds(680, 100, 220, 50);
        open_.OnClick = [this] {
            const int r = okno_.ShowModal();
            result_.SetCaption("Wynik okna: "_cp + std::to_string(r));
        };

        TFont tahoma;
        tahoma.Name = "Tahoma";
        tahoma.Height = 16;
        tahoma.Color = clWhite;
        prompt_.SetTransparent(true);
        prompt_.SetFont(tahoma);
        prompt_.SetBounds(680, 170, 0, 0);
        prompt_.SetCaption("Imię dziecka:"_cp);

        name_.SetBounds(680, 195, 300, 30);
        TFont editFont;
        editFont.Name = "Tahoma";
        editFont.Height = 16;
        name_.Font = editFont;
        name_.SetBounds(680, 195, 300, 30);
        name_.SetMaxLength(20);
        name_.OnChange = [this] { echo_.SetCaption("Cześć, "_cp + name_.Text() + "!"); };

        TFont bold = tahoma;
        bold.Bold = true;
        bold.Color = RGB(255, 255, 160);
        echo_.SetTransparent(true);
        echo_.SetFont(bold);
        echo_.SetBounds(680, 240, 0, 0);
        echo_.SetCaption("Cześć!"_cp);

        result_.SetFont(tahoma);
        result_.SetColor(RGB(30, 30, 90));
        result_.SetAlignment(TAlignment::taRightJustify);
        result_.SetBounds(680, 280, 300, 0);
        result_.SetCaption("Wynik okna: brak"_cp);

        TFont small = tahoma;
        small.Name = "Arial";
        small.Height = 14;
        small.Color = RGB(20, 40, 90);
        wrapped_.SetAutoSize(false);
        wrapped_.SetWordWrap(true);
        wrapped_.SetAlignment(TAlignment::taCenter);
        wrapped_.SetColor(RGB(235, 245, 255));
        wrapped_.SetFont(small);
        wrapped_.SetBounds(680, 320, 300, 100);
        wrapped_.SetCaption(
            "Etykieta z zawijaniem wierszy: ćma, źrebię, żółw i łódź płyną przez ślimaczy staw."_cp);
    }

    TEdit& NameField() { return name_; }

private:
    void DrawScene()
    {
        TCanvas& c = pbScene_.Canvas();
        c.Brush.Color = RGB(200, 230, 255);
        c.FillRect({0, 0, 600, 400});
        c.Brush.Color = RGB(60, 160, 60);
        c.FillRect({0, 330, 600, 400});
        c.Brush.Color = RGB(240, 80, 40);
        c.Pen.Color = RGB(120, 30, 10);
        c.Pen.Width = 3;
        c.Rectangle(RectXYWH(30 + step_ * 80, 250, 80, 80));
        c.Brush.Color = clBlack;
        c.FrameRect({0, 0, 600, 400});
    }

    // Moves the square six times, then stops, so every run ends in the same picture.
    void timMoveTimer()
    {
        if (++step_ >= 6)
            timMove_.SetEnabled(false);
        DrawScene();
    }

    TFormDemoOkno& okno_;
    TPaintBox pbScene_;
    DemoButton open_;
    TLabel title_;
    TLabel prompt_;
    TLabel echo_;
    TLabel result_;
    TLabel wrapped_;
    TEdit name_;
    Timer timMove_;
    int step_ = 0;
};

// Plays a script into the SDL window, one command at a time, from a timer
// that fires in whichever message loop runs.
class ScriptFeeder {
public:
    ScriptFeeder(TApplication& app, const std::string& text)
        : app_(app), reader_(text), tick_([this] { Tick(); }, 5, true)
    {
    }

private:
    void Tick()
    {
        auto* sdl = dynamic_cast<SdlBackend*>(&app_.GetBackend());
        if (TheClock().Milliseconds() < resumeAt_ || (sdl != nullptr && sdl->HasPendingInput()))
            return;
        std::deque<InputEvent> events;
        reader_.ReadNext(events);
        for (const InputEvent& e : events) {
            switch (e.kind) {
            case InputKind::ScriptWait: resumeAt_ = TheClock().Milliseconds() + e.amount; break;
            case InputKind::ScriptShot:
                if (!app_.GetBackend().SaveDisplayedPicture(e.text))
                    Fail(e.line, "cannot write " + e.text);
                break;
            case InputKind::ScriptExpect:
                if (app_.TopmostForm() == nullptr || app_.TopmostForm()->Name() != e.text)
                    Fail(e.line, "expected form " + e.text);
                break;
            case InputKind::ScriptEnd:
                tick_.SetEnabled(false);
                app_.Terminate(0);
                break;
            case InputKind::ScriptError: Fail(e.line, e.text); break;
            default:
                if (sdl != nullptr)
                    sdl->InjectInput(e);
                break;
            }
        }
    }

    void Fail(int line, const std::string& reason)
    {
        std::fprintf(stderr, "script line %d: %s\n", line, reason.c_str());
        tick_.SetEnabled(false);
        app_.Terminate(3);
    }

    TApplication& app_;
    ScriptReader reader_;
    Timer tick_;
    int64_t resumeAt_ = 0;
};

bool ParseSize(const std::string& s, int& w, int& h)
{
    return std::sscanf(s.c_str(), "%dx%d", &w, &h) == 2 && w > 0 && h > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    PlatformOptions options;
    bool openModal = false;
    std::string text;
    int shotAfter = -1;
    std::string shotFile;
    std::string feedFile;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--windowed")
            options.windowed = true;
        else if (a == "--headless")
            options.headless = true;
        else if (a == "--screen" && more && ParseSize(argv[i + 1], options.screenWidth, options.screenHeight))
            ++i;
        else if (a == "--script" && more)
            options.scriptFile = argv[++i];
        else if (a == "--open-modal")
            openModal = true;
        else if (a == "--text" && more)
            text = Utf8ToCp1250(argv[++i]);
        else if (a == "--feed" && more)
            feedFile = argv[++i];
        else if (a == "--shot-after" && i + 2 < argc) {
            shotAfter = std::atoi(argv[++i]);
            shotFile = argv[++i];
        } else {
            std::fprintf(stderr, "szeptaczki-formdemo: unknown option %s\n", a.c_str());
            return 2;
        }
    }
    if (options.headless && options.scriptFile.empty()) {
        std::fprintf(stderr, "szeptaczki-formdemo: --headless needs --script\n");
        return 2;
    }
    options.title = "Szeptaczki – formularze"_cp;

    std::unique_ptr<TApplication> app;
    try {
        app = CreateApplication(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "szeptaczki-formdemo: %s\n", e.what());
        return 1;
    }
    int status = 0;
    {
        TFormDemoOkno okno(*app);
        TFormDemo demo(*app, okno);
        app->SetMainForm(demo);
        okno.CenterOn(demo);
        if (!text.empty()) {
            demo.NameField().SetText(text);
            demo.NameField().SetFocus();
        }
        if (openModal)
            PostToMainThread([&okno] { okno.ShowModal(); });
        // The window's own picture, read back from the display, for comparing with a headless shot.
        Timer shot(
            [&] {
                if (!app->GetBackend().SaveDisplayedPicture(shotFile))
                    std::fprintf(stderr, "szeptaczki-formdemo: cannot save %s\n", shotFile.c_str());
                app->Terminate(0);
            },
            shotAfter, shotAfter >= 0);
        std::unique_ptr<ScriptFeeder> feeder;
        if (!feedFile.empty() && !options.headless) {
            std::string script;
            if (!ReadWholeFile(feedFile, script)) {
                std::fprintf(stderr, "szeptaczki-formdemo: cannot read %s\n", feedFile.c_str());
                return 2;
            }
            feeder = std::make_unique<ScriptFeeder>(*app, script);
        }
        status = app->Run();
    }
    return status;
}
