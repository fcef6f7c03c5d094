// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recording slots, their list file and their rows on the main menu.
#include "recording/CNagData.h"

#include <system_error>

#include "controls/CCheckBut.h"
#include "controls/CPrzyciskP.h"
#include "controls/CScrollBar.h"
#include "core/CBlad.h"
#include "graphics/CDisplay.h"
#include "platform/Action.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/IniFile.h"
#include "platform/Label.h"
#include "platform/Paths.h"
#include "recording/SlotList.h"

struct CNagData::Row {
    std::unique_ptr<TLabel> number;
    std::unique_ptr<TEdit> name;
    std::unique_ptr<TLabel> date;
    TAction action;  // outlives the button that runs it
    std::unique_ptr<CCheckBut> check;
};

namespace {

constexpr int kRowPitch = 32;
constexpr int kNumberWidth = 26;
constexpr int kNameWidth = 220;
constexpr int kNameHeight = 26;
constexpr int kDateWidth = 100;
constexpr int kDateHeight = 22;
// Arial Black of 11 points at 96 dots per inch.
constexpr int kFontHeight = 15;

TFont RowFont()
{
    TFont font;
    font.Name = "Arial Black";
    font.Height = kFontHeight;
    return font;
}

// The list file keeps no spaces around a value: a name of spaces alone would
// come back empty, and its slot could no longer be played.
std::string WithoutOuterSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SaveList(CIniFile& ini, FileProblem& problem)
{
    std::error_code ec;
    std::filesystem::create_directories(NativePath(kRecordingFolder), ec);
    const bool saved = ini.UpdateFile();
    problem = ini.Problem();
    return saved;
}

// The first row's left edge: written for each mode, 1280-wide from 1024.
int RowsLeft(const CDisplay& d)
{
    switch (d.Mode()) {
    case 2: return d.OffsetX() + 130;
    case 4: return d.OffsetX() + 244;
    default: return d.OffsetX() + d.ConvertFromModeRounded(4, 244);
    }
}

TPoint HeadingPosition(const CDisplay& d, int x800, int x1024)
{
    if (d.Mode() == 2)
        return {d.OffsetX() + x800, d.OffsetY() + 155};
    if (d.Mode() == 4)
        return {d.OffsetX() + x1024, d.OffsetY() + 200};
    return {d.OffsetX() + d.ConvertFromModeRounded(4, x1024), d.OffsetY() + d.ConvertFromModeRounded(4, 200)};
}

}  // namespace

TRect CNagData::RowPlace(const CDisplay& d, int row)
{
    const int top = d.OffsetY() + (d.PictureHeight() / 70) * 22 + kRowPitch * row;
    const int left = RowsLeft(d);
    return {left, top, left + kNumberWidth + kNameWidth + kGap + kDateWidth, top + kNameHeight};
}

CNagData::CNagData()
{
    Load();
}

CNagData::~CNagData() = default;

void CNagData::Load()
{
    for (int i = 0; i < kSlotCount; ++i)
        slots_[static_cast<std::size_t>(i)] = NagRec{i, {}, {}, {}};

    std::error_code ec;
    std::filesystem::create_directories(NativePath(kRecordingFolder), ec);
    CIniFile ini(NativePath(kSlotListFile), CIniFile::Locked);
    if (!ini.Found()) {
        // A list that cannot be written is no reason to stop: the slots
        // simply start empty.
        for (const NagRec& slot : slots_)
            WriteSlotEntry(ini, slot);
        SaveList(ini, listProblem_);
    }
    ReadSlotList(ini, slots_);
}

void CNagData::BuildRows(TForm& menu, TCanvas& canvas, const RecordingPanelParts& parts)
{
    rows_.clear();
    menu_ = &menu;
    scrollBar_ = parts.scrollBar;
    top_ = 0;
    try {
        const CDisplay& d = Display();
        for (int k = 0; k < kRowCount; ++k) {
            auto row = std::make_unique<Row>();
            const TRect place = RowPlace(d, k);
            const int left = place.left;
            const int top = place.top;

            row->number = std::make_unique<TLabel>(menu);
            row->number->SetAutoSize(false);
            TFont numberFont = RowFont();
            numberFont.Color = RGB(0x9A, 0x4A, 0x1E);  // the menu's brown
            row->number->SetFont(numberFont);
            row->number->SetAlignment(TAlignment::taRightJustify);
            row->number->SetLayout(TTextLayout::tlCenter);
            row->number->SetTransparent(true);
            row->number->SetBounds(left, top, kNumberWidth, kNameHeight);

            row->name = std::make_unique<TEdit>(menu);
            row->name->Font = RowFont();
            row->name->Color = clWhite;
            row->name->BorderColor = RGB(0xD9, 0xAE, 0x7C);  // the warm outline of the rows' bands
            row->name->SetMaxLength(kMaxNameLength);
            row->name->SetBounds(left + kNumberWidth, top, kNameWidth, kNameHeight);
            const int nameRight = row->name->BoundsRect().right;

            row->date = std::make_unique<TLabel>(menu);
            row->date->SetAutoSize(false);
            row->date->SetFont(RowFont());
            row->date->SetColor(clWhite);
            row->date->SetLayout(TTextLayout::tlCenter);
            row->date->SetBounds(nameRight + kGap, top + 2, kDateWidth, kDateHeight);
            const int dateRight = row->date->BoundsRect().right;

            row->action.Name = "NagRow" + std::to_string(k);
            row->check = std::make_unique<CCheckBut>(menu, kRowCheckButtonName, canvas, dateRight + kGap, top,
                                                     &row->action);
            TControl* checkControl = &row->check->GetControl();
            row->action.OnExecute = [this, checkControl] { RowAction(*checkControl); };
            TEdit* nameField = row->name.get();
            nameField->OnClick = [this, nameField] { RowAction(*nameField); };

            row->number->Hide();
            row->name->Hide();
            row->date->Hide();
            row->check->Hide();
            rows_.push_back(std::move(row));
            FillRow(k);
        }

        const TPoint nazwisko = HeadingPosition(d, 229, 329);
        const TPoint data = HeadingPosition(d, 414, 524);
        if (parts.nazwisko != nullptr)
            parts.nazwisko->SetBounds(nazwisko.x, nazwisko.y, parts.nazwisko->Width(), parts.nazwisko->Height());
        if (parts.data != nullptr)
            parts.data->SetBounds(data.x, data.y, parts.data->Width(), parts.data->Height());
        const int buttonsX = rows_.front()->date->BoundsRect().right + kArrowsGap;
        if (parts.up != nullptr)
            parts.up->SetPosition(buttonsX, -1);
        if (parts.down != nullptr)
            parts.down->SetPosition(buttonsX, -1);
        if (parts.up != nullptr && parts.down != nullptr && parts.scrollBar != nullptr)
            parts.scrollBar->Layout(parts.up->Left() + 4, parts.up->Top() + 30, parts.down->Top() - 5);
    } catch (...) {
        rows_.clear();
        menu_ = nullptr;
        scrollBar_ = nullptr;
        throw CBlad(1);
    }
}

void CNagData::ShowRows()
{
    for (auto& row : rows_) {
        row->number->Show();
        row->name->Show();
        row->date->Show();
        row->check->Show();
        row->check->SetChecked(false);
    }
}

void CNagData::HideRows()
{
    for (auto& row : rows_) {
        row->number->Hide();
        row->name->Hide();
        row->date->Hide();
        row->check->Hide();
    }
}

void CNagData::Reload()
{
    Load();
    while (ScrollUp()) {
    }
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k)
        FillRow(k);
}

bool CNagData::ScrollUp()
{
    if (top_ <= 0)
        return false;
    --top_;
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k)
        FillRow(k);
    if (scrollBar_ != nullptr)
        scrollBar_->StepUp();
    return true;
}

bool CNagData::ScrollDown()
{
    if (top_ >= kMaxTop)
        return false;
    ++top_;
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k)
        FillRow(k);
    if (scrollBar_ != nullptr)
        scrollBar_->StepDown();
    return true;
}

int CNagData::SelectedRow() const
{
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k)
        if (rows_[static_cast<std::size_t>(k)]->check->IsChecked())
            return k;
    return -1;
}

std::string CNagData::RowName(int row)
{
    if (row < 0 || row >= kRowCount)
        return {};
    NagRec& slot = slots_[static_cast<std::size_t>(top_ + row)];
    if (IsRow(row))
        slot.name = WithoutOuterSpaces(rows_[static_cast<std::size_t>(row)]->name->Text());
    return slot.name;
}

std::string CNagData::RowFile(int row) const
{
    if (row < 0 || row >= kRowCount)
        return {};
    const NagRec& slot = slots_[static_cast<std::size_t>(top_ + row)];
    if (slot.file.empty())
        return {};
    return std::string(kRecordingFolder) + "\\" + slot.file + ".wav";
}

std::string CNagData::RecordingFile(int row) const
{
    if (row < 0 || row >= kRowCount)
        return {};
    return std::string(kRecordingFolder) + "\\" + SlotSectionName(top_ + row) + ".wav";
}

bool CNagData::NoteRecording(int row)
{
    if (row < 0 || row >= kRowCount)
        return false;
    NagRec& slot = slots_[static_cast<std::size_t>(top_ + row)];
    CIniFile ini(NativePath(kSlotListFile), CIniFile::Locked);
    if (!ini.SectionExists(SlotSectionName(slot.index))) {
        // Reading stops at the first missing section, so a recording noted
        // only in its own section would be lost at the next start. The
        // missing sections are written from what this list holds.
        for (const NagRec& other : slots_)
            if (other.index != slot.index && !ini.SectionExists(SlotSectionName(other.index)))
                WriteSlotEntry(ini, other);
    }
    const std::string section = SlotSectionName(slot.index);
    ini.WriteString(section, "Nazwa", slot.name);
    slot.file = SlotSectionName(slot.index);
    ini.WriteString(section, "Plik", slot.file);
    slot.date = TodaysSlotDate();
    ini.WriteString(section, "Data", FormatSlotDate(slot.date));
    if (IsRow(row))
        rows_[static_cast<std::size_t>(row)]->date->SetCaption(FormatSlotDate(slot.date));
    return SaveList(ini, listProblem_);
}

TLabel& CNagData::NumberLabel(int row)
{
    return *rows_.at(static_cast<std::size_t>(row))->number;
}

TEdit& CNagData::NameField(int row)
{
    return *rows_.at(static_cast<std::size_t>(row))->name;
}

TLabel& CNagData::DateText(int row)
{
    return *rows_.at(static_cast<std::size_t>(row))->date;
}

CCheckBut& CNagData::CheckButton(int row)
{
    return *rows_.at(static_cast<std::size_t>(row))->check;
}

void CNagData::FillRow(int row)
{
    Row& r = *rows_[static_cast<std::size_t>(row)];
    const NagRec& slot = slots_[static_cast<std::size_t>(top_ + row)];
    r.number->SetCaption(std::to_string(slot.index + 1) + ".");
    r.name->SetText(slot.name);
    r.date->SetCaption(slot.date.IsSet() ? FormatSlotDate(slot.date) : std::string());
    // The button draws as it changes: a hidden, clear one is left undrawn.
    if (r.check->IsChecked() || r.check->GetControl().Visible())
        r.check->SetChecked(false);
}

void CNagData::RowAction(const TControl& clicked)
{
    for (int k = 0; k < static_cast<int>(rows_.size()); ++k) {
        Row& r = *rows_[static_cast<std::size_t>(k)];
        TEdit& name = *r.name;
        if (&clicked == &r.check->GetControl()) {
            r.check->Toggle();
            if (r.check->IsChecked()) {
                name.SetFocus();
                name.SetSelStart(static_cast<int>(name.Text().size()));
            } else {
                menu_->SetActiveControl(nullptr);
            }
        } else if (&clicked == &name) {
            r.check->SetChecked(true);
            name.SetFocus();
            name.SetSelStart(static_cast<int>(name.Text().size()));
        } else if (r.check->IsChecked()) {
            r.check->SetChecked(false);
        }
    }
}
