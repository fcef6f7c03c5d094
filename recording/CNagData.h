// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recording slots of the recording tab: thirty named slots kept in
// "Nagrane\record.xtr", and the eight rows of controls (number, name field,
// date, selection button) that show them on the main menu, scrolled by one.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Bitmap.h"
#include "recording/SlotDate.h"

class CCheckBut;
class CDisplay;
class CPrzyciskP;
class CScrollBar;
class TCanvas;
class TControl;
class TEdit;
class TForm;
class TLabel;

// The main menu's controls that go with the rows of the slot list; any of
// them may be missing.
struct RecordingPanelParts {
    TLabel* nazwisko = nullptr;  // vL_Nazwisko, the name column's heading
    TLabel* data = nullptr;      // vL_Data, the date column's heading
    CPrzyciskP* up = nullptr;    // "up"
    CPrzyciskP* down = nullptr;  // "down"
    CScrollBar* scrollBar = nullptr;  // the scroll indicator, stepped along with the list
};

class CNagData {
public:
    static constexpr int kSlotCount = 30;
    static constexpr int kRowCount = 8;
    static constexpr int kMaxTop = kSlotCount - kRowCount;
    // Names longer than this are cut when read and cannot be typed: the name
    // field shows about half of it, which is plenty for a child's name.
    static constexpr int kMaxNameLength = 40;

    struct NagRec {
        int index = 0;
        std::string name;  // cp1250
        SlotDate date;     // 1 January 1990: never recorded
        std::string file;  // "Nagranie" + index once recorded, else empty
    };

    // Loads the slot list, making the file (and its folder) when it is missing.
    CNagData();
    ~CNagData();
    CNagData(const CNagData&) = delete;
    CNagData& operator=(const CNagData&) = delete;

    // Makes the eight rows on the menu, all hidden, their selection buttons
    // drawing on canvas, and moves the menu's headings and scroll controls
    // beside them. Any failure: CBlad code 1, with no row left behind.
    void BuildRows(TForm& menu, TCanvas& canvas, const RecordingPanelParts& parts = {});
    // Where row 0..7 stands on the screen: from its number's left to its
    // date's right, as high as its name field. Its selection button stands
    // kGap right of it, the scroll arrows kArrowsGap right of row 0.
    static TRect RowPlace(const CDisplay& display, int row);
    static constexpr int kGap = 5;
    static constexpr int kArrowsGap = 40;
    void ShowRows();
    void HideRows();

    // Reads the slot list again (another child's) and shows it from the top.
    void Reload();
    // Move the list by one slot; false when it is already at that end.
    bool ScrollUp();
    bool ScrollDown();

    // The first row whose selection button is on, or -1.
    int SelectedRow() const;
    // Takes the row's name field, without spaces around it, into its slot
    // and returns it.
    std::string RowName(int row);
    // "Nagrane\Nagranie7.wav" for a recorded slot, "" otherwise.
    std::string RowFile(int row) const;
    // The file a recording of the row's slot goes into, recorded or not.
    std::string RecordingFile(int row) const;
    // Stamps the row's slot as recorded today, in the list file and on the
    // row; false when the file could not be written (ListProblem tells why).
    // Called once a recording is safely in its file: until then the slot
    // keeps its name, file and date, in the list and on the row.
    bool NoteRecording(int row);
    FileProblem ListProblem() const { return listProblem_; }

    int Top() const { return top_; }
    const NagRec& Slot(int index) const { return slots_.at(static_cast<std::size_t>(index)); }
    bool HasRows() const { return !rows_.empty(); }
    TLabel& NumberLabel(int row);
    TEdit& NameField(int row);
    TLabel& DateText(int row);
    CCheckBut& CheckButton(int row);

private:
    struct Row;

    void Load();
    void FillRow(int row);
    // A click on a row's selection button or name field: at most one row stays selected.
    void RowAction(const TControl& clicked);
    bool IsRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

    int top_ = 0;
    std::array<NagRec, kSlotCount> slots_;
    std::vector<std::unique_ptr<Row>> rows_;
    TForm* menu_ = nullptr;
    CScrollBar* scrollBar_ = nullptr;
    FileProblem listProblem_ = FileProblem::None;
};

// The slot list file and the folder of the recordings.
inline constexpr const char* kRecordingFolder = "Nagrane";
inline constexpr const char* kSlotListFile = "Nagrane\\record.xtr";
// The library picture of the rows' selection buttons.
inline constexpr const char* kRowCheckButtonName = "S_CHBUT";
