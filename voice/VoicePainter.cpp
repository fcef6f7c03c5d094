// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the voice screen's rows and card.
#include "voice/VoicePainter.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "platform/Canvas.h"
#include "platform/Text.h"
#include "platform/TextRenderer.h"
#include "voice/TakeRecorder.h"
#include "voice/VoiceLibrary.h"
#include "voice/VoiceList.h"

namespace {

constexpr TColor kChosenRow = RGB(0xFF, 0xE2, 0xC0);
constexpr TColor kOddRow = RGB(0xFF, 0xFA, 0xF2);
constexpr TColor kTrack = RGB(0xF4, 0xE6, 0xD4);
constexpr TColor kThumb = RGB(0xF4, 0xA2, 0x59);

// "1,3 s" of milliseconds.
std::string Seconds(int ms)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d,%d s", ms / 1000, ms % 1000 / 100);
    return text;
}

}  // namespace

TFont VoiceFont(int height, bool bold, TColor colour)
{
    TFont font;
    font.Name = "Tahoma";
    font.Height = height;
    font.Bold = bold;
    font.Color = colour;
    return font;
}

VoicePainter::VoicePainter(const VoiceScreenLayout& layout, const VoiceLibrary& library)
    : layout_(layout), library_(library)
{
    const std::string prefix = "Data\\Intf\\Spec\\" + Display().ModePrefix() + "glos_ikony";
    icons_.LoadPair(prefix + "B.xbi", prefix + "W.xbi");
}

void VoicePainter::DrawIcon(Bitmap& target, VoiceIcon icon, int x, int y) const
{
    // The strip's origin goes where the chosen icon lands at (x, y).
    const int s = layout_.icon;
    const int left = static_cast<int>(icon) * s;
    BlendTransparent(&target, x - left, y, 255, y, x - left, &target, RectXYWH(left, 0, s, s), icons_.Mask.get(),
                     icons_.Colour.get());
}

const Bitmap& VoicePainter::Thumbnail(std::size_t entry)
{
    std::unique_ptr<Bitmap>& thumb = thumbnails_[entry];
    if (!thumb) {
        const int h = layout_.rowHeight - 4;
        thumb = LoadWordPictureSmall(library_.At(entry).key, h * 4 / 3, h, 1);
    }
    return *thumb;
}

void VoicePainter::DrawList(Bitmap& picture, TCanvas& canvas, const TRect& area, const VoiceList& list,
                            const TakeRecorder& recorder)
{
    const int rh = layout_.rowHeight;
    const int width = layout_.list.Width();
    const int step = layout_.icon + layout_.icon / 4;
    const bool words = list.Kind() == VoiceLibrary::Kind::Word;
    const TakeRecorder::State state = recorder.GetState();
    for (int k = 0; k < list.VisibleRows(); ++k) {
        const int row = list.Top() + k;
        if (row >= static_cast<int>(list.Rows().size()))
            break;
        const std::size_t entry = list.Rows()[static_cast<std::size_t>(row)];
        const VoiceLibrary::Entry& e = library_.At(entry);
        const int top = k * rh;
        const bool chosen = row == list.Selected();
        if (chosen || k % 2 == 1)
            picture.FillRect(RectXYWH(0, top, width, rh), chosen ? kChosenRow : kOddRow);
        int x = 4;
        if (words) {
            const Bitmap& thumb = Thumbnail(entry);
            picture.Draw(x, top + 2, thumb);
            x += thumb.Width() + 8;
        }
        canvas.Font = VoiceFont(layout_.textHeight, e.recorded || chosen, e.recorded ? kVoiceInk : kVoiceSoftInk);
        const int textTop = top + (rh - canvas.TextHeight(e.text)) / 2;
        canvas.TextOut(x, textTop, e.text);
        const int iconTop = top + (rh - layout_.icon) / 2;
        DrawIcon(picture, e.recorded ? VoiceIcon::Human : VoiceIcon::Generated, width - 4 * step, iconTop);
        DrawIcon(picture, VoiceIcon::Play, width - 3 * step, iconTop);
        DrawIcon(picture, VoiceIcon::Record, width - 2 * step, iconTop);
        if (state == TakeRecorder::State::Reviewing && recorder.TakeEntry() == entry)
            DrawIcon(picture, VoiceIcon::Accept, width - step, iconTop);
        else if (e.recorded)
            DrawIcon(picture, VoiceIcon::Delete, width - step, iconTop);
    }
    // The scroll track: where the rows in view lie in the whole list.
    const TRect track = RectXYWH(layout_.scrollTrack.left - area.left, 0, layout_.scrollTrack.Width(), area.Height());
    picture.FillRect(track, kTrack);
    const int total = static_cast<int>(list.Rows().size());
    if (total > list.VisibleRows()) {
        const int h = std::max(track.Height() * list.VisibleRows() / total, layout_.icon / 2);
        const int y = (track.Height() - h) * list.Top() / std::max(1, total - list.VisibleRows());
        picture.FillRect(RectXYWH(track.left, y, track.Width(), h), kThumb);
    }
}

void VoicePainter::DrawCard(Bitmap& picture, TCanvas& canvas, const TRect& area, const VoiceList& list,
                            const TakeRecorder& recorder)
{
    const std::size_t entry = list.SelectedEntry();
    const VoiceLibrary::Entry& e = library_.At(entry);
    int x = layout_.cardPicture.left - area.left;
    if (e.kind == VoiceLibrary::Kind::Word) {
        if (cardEntry_ != entry || !cardPicture_) {
            cardPicture_ = LoadWordPictureSmall(e.key, layout_.cardPicture.Width(), layout_.cardPicture.Height(), 1);
            cardEntry_ = entry;
        }
        picture.Draw(x, layout_.cardPicture.top - area.top, *cardPicture_);
        x = layout_.cardText.x - area.left;
    }
    int y = layout_.cardText.y - area.top;
    const int big = layout_.textHeight * 2;
    canvas.Font = VoiceFont(e.kind == VoiceLibrary::Kind::Word ? big : big * 2 / 3, true, kVoiceInk);
    for (const std::string& line : TextRenderer::Wrap(canvas.Font, e.text, area.Width() - x - 4)) {
        canvas.TextOut(x, y, line);
        y += canvas.TextHeight(line);
    }
    const int lineY = y + layout_.icon / 4;
    const TakeRecorder::State state = recorder.GetState();
    VoiceIcon icon = e.recorded ? VoiceIcon::Human : VoiceIcon::Generated;
    std::string status = e.recorded ? "głos terapeuty"_cp : "głos syntezatora"_cp;
    TColor colour = e.recorded ? kVoiceGood : kVoiceSoftInk;
    if (state == TakeRecorder::State::Recording && recorder.TakeEntry() == entry) {
        icon = VoiceIcon::Record;
        status = "nagrywanie: "_cp + Seconds(recorder.RecordedMs());
        colour = kVoiceBad;
    } else if (state == TakeRecorder::State::Reviewing && recorder.TakeEntry() == entry) {
        icon = VoiceIcon::Accept;
        status = recorder.Playing() ? "nowe nagranie gra…"_cp : "nagranie do zatwierdzenia"_cp;
        colour = kVoiceGood;
    }
    DrawIcon(picture, icon, x, lineY);
    canvas.Font = VoiceFont(layout_.textHeight, true, colour);
    canvas.TextOut(x + layout_.icon + layout_.icon / 3, lineY + (layout_.icon - canvas.TextHeight(status)) / 2,
                   status);
}

