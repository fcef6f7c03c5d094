// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the voice screen's list.
#include "voice/VoiceList.h"

#include <algorithm>

#include "core/SoundCodes.h"

VoiceList::VoiceList(const VoiceLibrary& library)
    : library_(&library), sounds_(GL_WSZYSTKIE), positions_(POZ_WSZYSTKIE)
{
    Rebuild();
}

void VoiceList::SetKind(VoiceLibrary::Kind kind)
{
    kind_ = kind;
    Rebuild();
}

void VoiceList::SetFilter(int32_t sounds, int32_t positions)
{
    sounds_ = sounds & GL_WSZYSTKIE;
    positions_ = positions & POZ_WSZYSTKIE;
    Rebuild();
}

void VoiceList::Rebuild()
{
    rows_.clear();
    const std::vector<VoiceLibrary::Entry>& entries = library_->Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const VoiceLibrary::Entry& e = entries[i];
        if (e.kind != kind_)
            continue;
        if (e.kind == VoiceLibrary::Kind::Word && (!(e.flags & sounds_) || !(e.flags & positions_)))
            continue;
        rows_.push_back(i);
    }
    top_ = 0;
    selected_ = rows_.empty() ? -1 : 0;
}

void VoiceList::Select(int row)
{
    if (rows_.empty())
        return;
    selected_ = std::clamp(row, 0, static_cast<int>(rows_.size()) - 1);
    if (selected_ < top_)
        top_ = selected_;
    else if (selected_ >= top_ + visible_)
        top_ = selected_ - visible_ + 1;
}

bool VoiceList::SelectEntry(std::size_t entry)
{
    const auto it = std::find(rows_.begin(), rows_.end(), entry);
    if (it == rows_.end())
        return false;
    Select(static_cast<int>(it - rows_.begin()));
    return true;
}

void VoiceList::SetVisibleRows(int rows)
{
    visible_ = std::max(rows, 1);
    Select(selected_);
}

void VoiceList::Scroll(int rows)
{
    const int last = std::max(0, static_cast<int>(rows_.size()) - visible_);
    top_ = std::clamp(top_ + rows, 0, last);
}

int VoiceList::NextUnrecorded(bool withChosen) const
{
    const int n = static_cast<int>(rows_.size());
    if (n == 0)
        return -1;
    for (int step = withChosen ? 0 : 1; step <= n; ++step) {
        const int row = (selected_ + step) % n;
        if (!library_->At(rows_[static_cast<std::size_t>(row)]).recorded)
            return row;
    }
    return -1;
}

int VoiceList::RecordedRows() const
{
    int n = 0;
    for (const std::size_t entry : rows_)
        n += library_->At(entry).recorded;
    return n;
}
