// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pipes and their labels.
#include "games/conveyor/CTasRury.h"

#include <string>

#include "core/SoundHelpers.h"
#include "graphics/CTransFont.h"

CTasRury::CTasRury(int line, int radius, int upperCanHeight)
    : line_(line), radius_(radius), upperCanHeight_(upperCanHeight)
{
}

CTasRury::CRura& CTasRury::AddPipe(int left, int right)
{
    pipes_.push_back(std::make_unique<CRura>(left, right));
    return *pipes_.back();
}

void CTasRury::SetSound(int index, int32_t sound)
{
    if (index >= 0 && index < Count())
        Pipe(index).Sound = sound;
}

CTasRury::CRura* CTasRury::PipeAt(int px) const
{
    for (const auto& pipe : pipes_) {
        const int m = pipe->Centre();
        if (m - radius_ <= px && px < m + radius_)
            return pipe.get();
    }
    return nullptr;
}

CTasRury::CRura* CTasRury::PipeForSound(int32_t sound) const
{
    for (const auto& pipe : pipes_)
        if ((pipe->Sound & sound) != 0)
            return pipe.get();
    return nullptr;
}

void CTasRury::DrawLabels(Bitmap& target, CTransFont& font) const
{
    // A dark brown, readable on the pipes' light label plates.
    const TColor colour = RGB(0x88, 0x30, 0x00);
    for (const auto& pipe : pipes_) {
        const std::string text = SoundName(pipe->Sound, std::string(1, '\xC0'));
        const int width = font.MeasureText(text).width;
        const int left = (pipe->Left + pipe->Right - width) / 2;
        font.DrawText(target, {left, line_ - font.LineHeight(), target.Width(), target.Height()}, 255, colour, text);
    }
}
