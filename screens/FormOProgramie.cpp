// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The about screen.
#include "screens/FormOProgramie.h"

#include <algorithm>
#include <array>
#include <exception>

#include "controls/CPrzyciskP.h"
#include "core/CBlad.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/Text.h"

TFormOProgramie* FormOProgramie = nullptr;

namespace {

// What the screen says of the program: only what is true of it, its
// licences and the makers of the fonts, pictures and voice it uses.
const std::string kVersion = std::string("Wersja ") + SZ_PROJECT_VERSION;
const std::string kRights1 = "Szeptaczki Cz.VI — gry do ćwiczeń logopedycznych"_cp;
const std::string kRights2 = "Wolny program: wolno go używać, zmieniać i rozdawać."_cp;
const std::string kLicencesHeading = "Licencje:";
const std::string kLicences[6] = {
    "Program: GNU GPL 3.0 lub nowsza"_cp,
    "Rysunki, nagrania, dane: CC BY-SA 4.0"_cp,
    "Obrazki Noto Color Emoji: Apache 2.0"_cp,
    "Czcionki DejaVu: licencja Bitstream Vera"_cp,
    "Czcionki Liberation: SIL OFL 1.1"_cp,
    "Głos eSpeak NG: GNU GPL 3.0 lub nowsza"_cp,
};
const std::string kCreditsHeading = "Podziękowania:"_cp;
// The makers' names, over which the wave of colour runs.
const std::string kCredits1 = "Google (Noto Color Emoji), Bitstream (DejaVu)"_cp;
const std::string kCredits2 = "Red Hat (Liberation), twórcy eSpeak NG"_cp;

const std::string kFolder = "Data\\Intf\\Spec\\";

// The shades of the wave, from its tail (index 1) to its head (index 10).
constexpr std::array<int, 12> kWave{255, 200, 200, 150, 150, 100, 100, 150, 150, 200, 200, 255};

// The block is written for 800 x 600 and grows with the design area, so that
// it fills the panel in the larger modes as it does there.
int Scaled(int v)
{
    return Display().ConvertFromModeRounded(2, v);
}

TFont FormFont()
{
    TFont font;
    font.Name = "Tahoma";
    font.Height = Scaled(11);
    font.Bold = true;
    font.Color = clWhite;
    return font;
}

TFont PlainFont(const char* name, int height, bool bold, TColor colour)
{
    TFont font;
    font.Name = name;
    font.Height = height;
    font.Bold = bold;
    font.Color = colour;
    return font;
}

void SetUpLabel(TLabel& label, const char* name, const TFont& font, const std::string& text)
{
    label.Name = name;
    label.SetTransparent(true);
    label.SetFont(font);
    label.SetCaption(text);
}

std::unique_ptr<Bitmap> LoadPicture(const std::string& fileName)
{
    if (!FileExists(fileName))
        throw CBlad(1);
    try {
        return LoadJpegFile(fileName);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
}

}  // namespace

TFormOProgramie::TFormOProgramie(TApplication& app)
    : TForm(app, "FormOProgramie", app.ScreenWidth(), app.ScreenHeight()),
      A_Stop("A_Stop", [this] { A_StopExecute(); }),
      LabelVer(*this),
      LabelPrawa1(*this),
      LabelPrawa2(*this),
      LabelISBN(*this),
      LabelKontakt(*this),
      LabelF1(*this),
      LabelF2(*this),
      LabelF3(*this),
      LabelF4(*this),
      LabelF5(*this),
      LabelF6(*this),
      LabelF7(*this),
      LabelAut(*this),
      LabelAutList(*this),
      LabelAutList2(*this),
      Timer1([this] { Timer1Timer(); }, kShimmerIntervalMs, false)
{
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, App().ScreenWidth(), App().ScreenHeight());

    // Every member frees itself, so a failure part-way leaves nothing behind.
    const CDisplay& d = Display();
    const std::string backgroundFile = kFolder + d.PrefixedName("oprogT.xji");
    // MakeBackground leaves the screen black when the file is missing.
    if (!FileExists(backgroundFile))
        throw CBlad(1);
    try {
        MakeBackground({ClientWidth(), ClientHeight(), d.OffsetX(), d.OffsetY()}, background_, backgroundFile);
    } catch (const std::exception&) {
        throw CBlad(1);
    }
    logo_ = LoadPicture(kFolder + d.ModePrefix() + "oprog_log.xji");
    if (d.Mode() == 2)
        logoPlace_ = {320, 100};
    else if (d.Mode() == 4)
        logoPlace_ = {410, 145};
    else
        logoPlace_ = {d.ConvertFromModeRounded(4, 410), d.ConvertFromModeRounded(4, 145)};
    logoPlace_ = {logoPlace_.x + d.OffsetX(), logoPlace_.y + d.OffsetY()};
    background_.Draw(logoPlace_.x, logoPlace_.y, *logo_);

    stop_ = std::make_unique<CPrzyciskP>(*this, "stop", Canvas(), background_,
                                         d.OffsetX() + d.PictureWidth() / 2 - 30,
                                         d.OffsetY() + d.PictureHeight() * 8 / 10, &A_Stop);

    const TFont tahoma = PlainFont("Tahoma", Scaled(11), false, clWhite);
    const TFont contact = PlainFont("Tahoma", Scaled(13), true, clWhite);
    SetUpLabel(LabelVer, "LabelVer", tahoma, kVersion);
    LabelVer.SetAutoSize(false);
    LabelVer.SetAlignment(TAlignment::taCenter);
    LabelVer.SetBounds(0, 0, Scaled(150), Scaled(14));
    SetUpLabel(LabelPrawa1, "LabelPrawa1", tahoma, kRights1);
    SetUpLabel(LabelPrawa2, "LabelPrawa2", tahoma, kRights2);
    SetUpLabel(LabelISBN, "LabelISBN", tahoma, "");
    LabelISBN.Hide();
    // The block of the maker's contacts holds the licences: the program has
    // no web page and no address of its own, so the last line stays empty.
    SetUpLabel(LabelKontakt, "LabelKontakt", tahoma, kLicencesHeading);
    TLabel* lines[6] = {&LabelF1, &LabelF2, &LabelF3, &LabelF4, &LabelF5, &LabelF6};
    const char* names[6] = {"LabelF1", "LabelF2", "LabelF3", "LabelF4", "LabelF5", "LabelF6"};
    for (int i = 0; i < 6; ++i)
        SetUpLabel(*lines[i], names[i], contact, kLicences[i]);
    SetUpLabel(LabelF7, "LabelF7", contact, "");
    LabelF7.Hide();
    SetUpLabel(LabelAut, "LabelAut", tahoma, kCreditsHeading);
    SetUpLabel(LabelAutList, "LabelAutList", FormFont(), kCredits1);
    SetUpLabel(LabelAutList2, "LabelAutList2", FormFont(), kCredits2);
    // The names are drawn by the shimmer, not by the labels.
    LabelAutList.Hide();
    LabelAutList2.Hide();

    FormResize();
    MakeCreditsPicture();

    OnShow = [this] { FormShow(); };
    OnClose = [this](TCloseAction&) { FormClose(); };
    OnPaint = [this] { FormPaint(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    FormOProgramie = this;
}

TFormOProgramie::~TFormOProgramie()
{
    if (FormOProgramie == this)
        FormOProgramie = nullptr;
}

void TFormOProgramie::FormResize()
{
    const CDisplay& d = Display();
    const int middle = d.OffsetX() + d.PictureWidth() / 2;
    auto centre = [middle](TLabel& label, int top) {
        label.SetBounds(middle - label.Width() / 2, top, label.Width(), label.Height());
    };
    auto place = [](TLabel& label, int left, int top) { label.SetBounds(left, top, label.Width(), label.Height()); };

    centre(LabelVer, d.OffsetY() + d.ConvertFromModeRounded(2, 190));
    centre(LabelPrawa1, LabelVer.Top() + Scaled(24));
    centre(LabelPrawa2, LabelPrawa1.Top() + Scaled(14));
    centre(LabelISBN, LabelPrawa2.Top() + Scaled(14));

    const int gap = Scaled(6);
    const int contactTop = LabelPrawa2.Top() + Scaled(40);
    // The smaller heading stands on the maker's line: their bottoms, and so
    // their baselines, line up.
    place(LabelKontakt, middle - LabelKontakt.Width() / 2 - LabelF1.Width() / 2 - gap,
          contactTop + LabelF1.Height() - LabelKontakt.Height());
    place(LabelF1, LabelKontakt.BoundsRect().right + gap, contactTop);
    TLabel* previous = &LabelF1;
    for (TLabel* line : {&LabelF2, &LabelF3, &LabelF4, &LabelF5, &LabelF6, &LabelF7}) {
        place(*line, LabelF1.Left(), previous->Top() + Scaled(16));
        previous = line;
    }

    const int authorsTop = LabelF7.Top() + Scaled(40);
    place(LabelAut, LabelF2.Left() - gap - LabelAut.Width(), authorsTop);
    place(LabelAutList, LabelAut.BoundsRect().right + gap, authorsTop);
    place(LabelAutList2, LabelAutList.Left(), LabelAutList.Top() + LabelAutList.Height());
}

int TFormOProgramie::Shade(int i, int q)
{
    if (i <= q)
        return 255;
    if (i < q + 11)
        return kWave[static_cast<std::size_t>(i - q)];
    return kWave[11];
}

TColor TFormOProgramie::ShadeColour(int v)
{
    return RGB(255, (3 * v / 4 + 64) % 256, v);
}

void TFormOProgramie::MakeCreditsPicture()
{
    // Both lines must fit, whichever of them is the longer.
    const int right = std::max(LabelAutList.BoundsRect().right, LabelAutList2.BoundsRect().right);
    const int width = std::max(1, right - LabelAutList.Left());
    const int height = std::max(1, LabelAutList2.BoundsRect().bottom - LabelAutList.Top());
    credits_ = Bitmap(width, height, PixelFormat::Bgr24);
}

void TFormOProgramie::A_StopExecute()
{
    Close();
}

void TFormOProgramie::FormShow()
{
    position_ = -(1500 / kShimmerIntervalMs);
    Timer1.SetEnabled(true);
    DrawCredits();
}

void TFormOProgramie::FormClose()
{
    Timer1.SetEnabled(false);
}

void TFormOProgramie::FormPaint()
{
    Canvas().Draw(0, 0, background_);
    Canvas().Draw(LabelAutList.Left(), LabelAutList.Top(), credits_);
}

void TFormOProgramie::FormKeyPress(char& key)
{
    if (key == 27)
        A_Stop.Execute();
}

void TFormOProgramie::Timer1Timer()
{
    ++position_;
    const int longest = static_cast<int>(std::max(LabelAutList.Caption().size(), LabelAutList2.Caption().size()));
    if (position_ > longest)
        position_ = -((RandomInt(3000) + 2000) / kShimmerIntervalMs);
    DrawCredits();
}

void TFormOProgramie::DrawCredits()
{
    const TPoint at{LabelAutList.Left(), LabelAutList.Top()};
    credits_.CopyRect({0, 0, credits_.Width(), credits_.Height()}, background_,
                      {at.x, at.y, at.x + credits_.Width(), at.y + credits_.Height()});
    TCanvas canvas(credits_);
    canvas.Font = LabelAutList.Font();
    canvas.Brush.Clear = true;
    DrawCreditLine(canvas, 0, LabelAutList.Caption(), position_);
    DrawCreditLine(canvas, LabelAutList2.Top() - LabelAutList.Top(), LabelAutList2.Caption(), position_ - 1);
    if (Visible())
        Canvas().Draw(at.x, at.y, credits_);
}

void TFormOProgramie::DrawCreditLine(TCanvas& canvas, int y, const std::string& line, int q)
{
    // Characters of one shade go out together, each run from where the last ended.
    int x = 0;
    std::size_t start = 0;
    while (start < line.size()) {
        const int shade = Shade(static_cast<int>(start) + 1, q);
        std::size_t end = start + 1;
        while (end < line.size() && Shade(static_cast<int>(end) + 1, q) == shade)
            ++end;
        const std::string_view run(line.data() + start, end - start);
        canvas.Font.Color = ShadeColour(shade);
        canvas.TextOut(x, y, run);
        x += canvas.TextWidth(run);
        start = end;
    }
}
