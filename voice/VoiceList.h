// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the voice screen lists: the words (filtered by sounds and positions as
// a game's settings are) or the phrases, which row is chosen, and which rows
// are in view. Draws nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "voice/VoiceLibrary.h"

class VoiceList {
public:
    explicit VoiceList(const VoiceLibrary& library);

    VoiceLibrary::Kind Kind() const { return kind_; }
    // Shows the other kind; the choice goes to the first row.
    void SetKind(VoiceLibrary::Kind kind);
    // The words that have one of the sounds and one of the positions.
    void SetFilter(int32_t sounds, int32_t positions);
    int32_t Sounds() const { return sounds_; }
    int32_t Positions() const { return positions_; }

    // The library's entries shown, in its order.
    const std::vector<std::size_t>& Rows() const { return rows_; }
    bool Empty() const { return rows_.empty(); }
    // The chosen row, -1 when the list is empty; and its entry.
    int Selected() const { return selected_; }
    std::size_t SelectedEntry() const { return rows_.at(static_cast<std::size_t>(selected_)); }
    // Chooses a row (kept inside the list) and brings it into view.
    void Select(int row);
    void Move(int rows) { Select(selected_ + rows); }
    // Chooses the row of an entry when it is shown; false otherwise.
    bool SelectEntry(std::size_t entry);

    // How many rows fit in view, and the first one shown.
    void SetVisibleRows(int rows);
    int VisibleRows() const { return visible_; }
    int Top() const { return top_; }
    void Scroll(int rows);

    // The first row without a recording from the chosen one on (the chosen
    // one itself only when withChosen), going round to the start; -1 when
    // every row has one.
    int NextUnrecorded(bool withChosen) const;
    int RecordedRows() const;

private:
    void Rebuild();

    const VoiceLibrary* library_;
    VoiceLibrary::Kind kind_ = VoiceLibrary::Kind::Word;
    int32_t sounds_;
    int32_t positions_;
    std::vector<std::size_t> rows_;
    int selected_ = -1;
    int top_ = 0;
    int visible_ = 1;
};
