// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "controls/CCheckBut.h"
#include "controls/CPrzyciskP.h"
#include "controls/CScrollBar.h"
#include "core/CBlad.h"
#include "graphics/CDisplay.h"
#include "platform/Application.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/IniFile.h"
#include "platform/Label.h"
#include "platform/Text.h"
#include "platform/headless/HeadlessBackend.h"
#include "recording/CNagData.h"
#include "tests/TestSupport.h"
#include "tests/controls/ControlsTestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr TColor kChecked = RGB(250, 200, 0);
constexpr TColor kUnchecked = RGB(90, 90, 160);

// A headless main menu to put the rows on, with the pictures of the rows'
// selection buttons and of the menu's scroll controls in the program's library.
struct Menu {
    struct Pictures {
        explicit Pictures(const TempDir& dir)
        {
            WriteLibraryPicture(dir, "S_CHBUT_A", 22, 22, kChecked);
            WriteLibraryPicture(dir, "S_CHBUT_D", 22, 22, kUnchecked);
            WriteButtonPictures(dir, "up", 30, 30);
            WriteButtonPictures(dir, "down", 30, 30);
            WriteButtonPictures(dir, "scroll", 20, 10);
        }
    };

    explicit Menu(const TempDir& dir) : pictures(dir) {}

    // The "up" and "down" buttons and the scroll indicator where the menu
    // makes them in the 800 x 600 mode.
    RecordingPanelParts MakeScrollControls()
    {
        up = std::make_unique<CPrzyciskP>(form, "up", form.Canvas(), background, 240, 144, nullptr);
        down = std::make_unique<CPrzyciskP>(form, "down", form.Canvas(), background, 240, 432, nullptr);
        scrollBar = std::make_unique<CScrollBar>(form, 244, 174, form.Canvas(), background);
        return {nullptr, nullptr, up.get(), down.get(), scrollBar.get()};
    }

    Pictures pictures;
    TApplication app{std::make_unique<HeadlessBackend>(1280, 1024, "")};
    TForm form{app, "FormMain", 1280, 1024};
    Bitmap background{1280, 1024};
    std::unique_ptr<CPrzyciskP> up, down;
    std::unique_ptr<CScrollBar> scrollBar;
};

std::string Section(int n)
{
    return "[Nagranie" + std::to_string(n) + "]\n";
}

void Click(CCheckBut& button)
{
    button.GetControl().Click();
}

}  // namespace

TEST(SlotDate, ReadsDayMonthYearAndIsoDatesAndRefusesTheRest)
{
    SlotDate d;
    EXPECT_TRUE(ParseSlotDate("7.12.2026", d));
    EXPECT_EQ(FormatSlotDate(d), "07.12.2026");
    EXPECT_TRUE(ParseSlotDate(" 2024-02-29 ", d));
    EXPECT_EQ(FormatSlotDate(d), "29.02.2024");
    for (const char* junk : {"29.02.2023", "32.01.2020", "10.13.2020", "07.12.26", "07-12-2026", "7.12.2026x",
                             "", "abc", "0.1.2000", "1.1.99999"}) {
        SlotDate kept{2001, 2, 3};
        EXPECT_FALSE(ParseSlotDate(junk, kept)) << junk;
        EXPECT_EQ(kept, (SlotDate{2001, 2, 3})) << junk;
    }
    EXPECT_FALSE(SlotDate{}.IsSet());
    EXPECT_FALSE((SlotDate{1989, 12, 31}.IsSet()));
    EXPECT_TRUE((SlotDate{1990, 1, 2}.IsSet()));
    EXPECT_TRUE((SlotDate{1990, 2, 1}.IsSet()));
}

TEST(CNagData, FirstUseMakesTheListWithThirtyEmptySections)
{
    ProgramSandbox box;
    CNagData data;
    ASSERT_TRUE(fs::exists(box.Root() / "Nagrane" / "record.xtr"));
    CIniFile ini(box.Root() / "Nagrane" / "record.xtr");
    for (int n = 0; n < 30; ++n) {
        const std::string section = "Nagranie" + std::to_string(n);
        ASSERT_TRUE(ini.SectionExists(section)) << n;
        EXPECT_TRUE(ini.ValueExists(section, "Plik"));
        EXPECT_EQ(ini.ReadString(section, "Plik", "?"), "");
        EXPECT_EQ(ini.ReadString(section, "Nazwa", "?"), "");
        EXPECT_EQ(ini.ReadString(section, "Data", ""), "01.01.1990");
        EXPECT_EQ(data.Slot(n).index, n);
        EXPECT_FALSE(data.Slot(n).date.IsSet());
    }
    EXPECT_FALSE(ini.SectionExists("Nagranie30"));
    EXPECT_EQ(data.RowFile(0), "");

    // A list that exists is read, never rewritten at start.
    const std::string written = box.Dir().Read("Nagrane/record.xtr");
    CNagData again;
    EXPECT_EQ(box.Dir().Read("Nagrane/record.xtr"), written);
}

TEST(CNagData, ADamagedListLoadsWhatCanBeRead)
{
    ProgramSandbox box;
    const std::string huge(5000, 'x');
    box.Dir().Write("Nagrane/record.xtr",
                    Section(0) + "Plik=Nagranie0\nNazwa=" + Utf8ToCp1250("Zosia Żak") + "\nData=07.12.2026\n" +
                        Section(1) + "Plik=Nagranie1\nNazwa=Ola\nData=31.02.2026\n" +
                        Section(2) + "Plik=..\\..\\etc\\passwd\nNazwa=" + huge + "\nData=junk\n" +
                        Section(3) + "Nazwa=Jan\nData=2025-03-01\n" +
                        Section(5) + "Plik=Nagranie5\nNazwa=Never read\nData=01.02.2020\n");
    CNagData data;
    EXPECT_EQ(data.Slot(0).name, "Zosia Żak"_cp);
    EXPECT_EQ(FormatSlotDate(data.Slot(0).date), "07.12.2026");
    EXPECT_EQ(data.RowFile(0), "Nagrane\\Nagranie0.wav");
    EXPECT_EQ(data.Slot(1).name, "Ola");
    EXPECT_FALSE(data.Slot(1).date.IsSet());
    EXPECT_EQ(data.Slot(2).name, std::string(CNagData::kMaxNameLength, 'x'));
    EXPECT_EQ(data.Slot(2).file, "");
    EXPECT_EQ(data.RowFile(2), "");
    EXPECT_EQ(data.Slot(3).file, "");
    EXPECT_EQ(FormatSlotDate(data.Slot(3).date), "01.03.2025");
    // Section 4 is missing: reading stops there.
    EXPECT_EQ(data.Slot(5).name, "");
    EXPECT_EQ(data.Slot(5).file, "");

    box.Dir().Write("Nagrane/record.xtr", std::string("\x00\xff\x01[[[=\n\x80\x81", 10));
    CNagData junk;
    EXPECT_EQ(junk.Slot(0).name, "");
    EXPECT_EQ(junk.RowFile(0), "");
}

TEST(CNagData, NoteRecordingWritesNameFileAndDate)
{
    ProgramSandbox box;
    Menu menu(box.Dir());
    {
        CNagData data;
        data.BuildRows(menu.form, menu.form.Canvas());
        data.ScrollDown();
        data.ScrollDown();
        data.NameField(1).SetText("   ");
        EXPECT_EQ(data.RowName(1), "");
        data.NameField(1).SetText(" Ala Kowalska ");
        EXPECT_EQ(data.RowName(1), "Ala Kowalska");
        EXPECT_EQ(data.RowFile(1), "");
        ASSERT_TRUE(data.NoteRecording(1));
        EXPECT_EQ(data.RowFile(1), "Nagrane\\Nagranie3.wav");
        // The virtual clock's day, 5 January 2026, in any time zone within nine hours of UTC.
        EXPECT_EQ(data.DateText(1).Caption(), "05.01.2026");
        EXPECT_EQ(data.DateText(2).Caption(), "");
    }
    CIniFile ini(box.Root() / "Nagrane" / "record.xtr");
    EXPECT_EQ(ini.ReadString("Nagranie3", "Nazwa", ""), "Ala Kowalska");
    EXPECT_EQ(ini.ReadString("Nagranie3", "Plik", ""), "Nagranie3");
    EXPECT_EQ(ini.ReadString("Nagranie3", "Data", ""), "05.01.2026");
    EXPECT_EQ(ini.ReadString("Nagranie2", "Data", ""), "01.01.1990");

    CNagData reloaded;
    EXPECT_EQ(reloaded.Slot(3).name, "Ala Kowalska");
    EXPECT_EQ(reloaded.Slot(3).file, "Nagranie3");
    EXPECT_EQ(FormatSlotDate(reloaded.Slot(3).date), "05.01.2026");
    EXPECT_EQ(reloaded.Slot(4).file, "");
}

TEST(CNagData, ARecordingInASlotBeyondAMissingSectionIsKept)
{
    ProgramSandbox box;
    box.Dir().Write("Nagrane/record.xtr", Section(0) + "Plik=Nagranie0\nNazwa=Ola\nData=02.01.2026\n");
    Menu menu(box.Dir());
    {
        CNagData data;
        data.BuildRows(menu.form, menu.form.Canvas());
        data.NameField(5).SetText("Piotr");
        data.RowName(5);
        ASSERT_TRUE(data.NoteRecording(5));
    }
    CNagData reloaded;
    EXPECT_EQ(reloaded.Slot(0).name, "Ola");
    EXPECT_EQ(reloaded.Slot(5).name, "Piotr");
    EXPECT_EQ(reloaded.Slot(5).file, "Nagranie5");
    EXPECT_EQ(reloaded.Slot(4).file, "");
}

TEST(CNagData, ScrollingStopsAtBothEndsMovesTheIndicatorAndClearsTheSelection)
{
    ProgramSandbox box;
    Menu menu(box.Dir());
    CNagData data;
    data.BuildRows(menu.form, menu.form.Canvas(), menu.MakeScrollControls());
    // The indicator runs from the "up" button's top + 30 to the "down" button's top - 5.
    EXPECT_EQ(menu.scrollBar->Y(), 144 + 30);
    EXPECT_EQ(menu.scrollBar->Step(), (432 - 5 - 174) / 22);
    data.ShowRows();
    EXPECT_FALSE(data.ScrollUp());
    EXPECT_EQ(menu.scrollBar->Y(), 174);
    EXPECT_EQ(data.NumberLabel(0).Caption(), "1.");
    for (int i = 0; i < 22; ++i)
        EXPECT_TRUE(data.ScrollDown()) << i;
    EXPECT_FALSE(data.ScrollDown());
    EXPECT_EQ(data.Top(), 22);
    EXPECT_EQ(menu.scrollBar->Y(), 174 + 22 * 11);
    EXPECT_EQ(data.NumberLabel(0).Caption(), "23.");
    EXPECT_EQ(data.NumberLabel(7).Caption(), "30.");

    Click(data.CheckButton(4));
    EXPECT_EQ(data.SelectedRow(), 4);
    EXPECT_TRUE(data.ScrollUp());
    EXPECT_EQ(menu.scrollBar->Y(), 174 + 21 * 11);
    EXPECT_EQ(data.SelectedRow(), -1);
    EXPECT_EQ(data.NumberLabel(0).Caption(), "22.");
    Click(data.CheckButton(0));
    EXPECT_TRUE(data.ScrollDown());
    EXPECT_EQ(data.SelectedRow(), -1);
}

TEST(CNagData, AtMostOneRowIsSelectedAndItsNameFieldHasTheFocus)
{
    ProgramSandbox box;
    Menu menu(box.Dir());
    CNagData data;
    data.BuildRows(menu.form, menu.form.Canvas());
    data.ShowRows();
    EXPECT_EQ(data.SelectedRow(), -1);

    data.NameField(2).SetText("Kasia");
    data.NameField(2).SetSelStart(1);
    const auto shown = [&](int row) {
        const TControl& c = data.CheckButton(row).GetControl();
        return menu.form.Pixels().GetPixel(c.Left() + 5, c.Top() + 5);
    };
    Click(data.CheckButton(2));
    EXPECT_EQ(data.SelectedRow(), 2);
    EXPECT_EQ(shown(2), kChecked);
    EXPECT_EQ(menu.form.ActiveControl(), &data.NameField(2));
    EXPECT_EQ(data.NameField(2).SelStart(), 5);

    data.NameField(5).Click();
    EXPECT_EQ(data.SelectedRow(), 5);
    EXPECT_FALSE(data.CheckButton(2).IsChecked());
    EXPECT_EQ(shown(2), kUnchecked);
    EXPECT_EQ(shown(5), kChecked);
    EXPECT_EQ(menu.form.ActiveControl(), &data.NameField(5));
    data.NameField(5).Click();  // a second click keeps the row selected
    EXPECT_EQ(data.SelectedRow(), 5);

    Click(data.CheckButton(5));
    EXPECT_EQ(data.SelectedRow(), -1);
    EXPECT_EQ(menu.form.ActiveControl(), nullptr);

    // Showing the panel again starts with nothing selected; hiding hides every row control.
    Click(data.CheckButton(7));
    data.HideRows();
    EXPECT_FALSE(data.NameField(7).Visible());
    EXPECT_FALSE(data.CheckButton(7).GetControl().Visible());
    EXPECT_FALSE(data.DateText(0).Visible());
    EXPECT_FALSE(data.NumberLabel(0).Visible());
    data.ShowRows();
    EXPECT_EQ(data.SelectedRow(), -1);
    EXPECT_TRUE(data.NameField(7).Visible());
    EXPECT_TRUE(data.CheckButton(7).GetControl().Visible());
}

TEST(CNagData, RowsAreLaidOutForEachDisplayMode)
{
    ProgramSandbox box;
    Menu menu(box.Dir());
    TLabel nazwisko(menu.form), dataHeading(menu.form);
    RecordingPanelParts parts = menu.MakeScrollControls();
    parts.nazwisko = &nazwisko;
    parts.data = &dataHeading;

    SetDisplay(800, 600);
    {
        CNagData data;
        data.BuildRows(menu.form, menu.form.Canvas(), parts);
        EXPECT_FALSE(data.NameField(0).Visible());
        // y0 = (600 div 70) * 22 = 176.
        EXPECT_EQ(data.NumberLabel(0).BoundsRect(), (TRect{130, 176, 156, 202}));
        EXPECT_EQ(data.NameField(0).BoundsRect(), (TRect{156, 176, 376, 202}));
        EXPECT_EQ(data.DateText(0).BoundsRect(), (TRect{381, 178, 481, 200}));
        EXPECT_EQ(data.CheckButton(0).GetControl().BoundsRect(), (TRect{486, 176, 508, 198}));
        EXPECT_EQ(data.NameField(7).Top(), 400);
        EXPECT_EQ(data.NameField(0).MaxLength(), CNagData::kMaxNameLength);
        EXPECT_EQ(nazwisko.Left(), 229);
        EXPECT_EQ(nazwisko.Top(), 155);
        EXPECT_EQ(dataHeading.Left(), 414);
        EXPECT_EQ(menu.up->Left(), 521);
        EXPECT_EQ(menu.up->Top(), 144);
        EXPECT_EQ(menu.scrollBar->X(), 525);
    }
    SetDisplay(1280, 1024);  // a 1280 x 1024 area with pictures 960 high
    {
        CNagData data;
        data.BuildRows(menu.form, menu.form.Canvas(), parts);
        // y0 = (960 div 70) * 22 = 286; left = (10 * 244 + 4) div 8 = 305.
        EXPECT_EQ(data.NumberLabel(0).Left(), 305);
        EXPECT_EQ(data.NumberLabel(0).Top(), 286);
        EXPECT_EQ(nazwisko.Left(), 411);
        EXPECT_EQ(nazwisko.Top(), 250);
        EXPECT_EQ(dataHeading.Left(), 655);
        EXPECT_EQ(menu.up->Left(), 305 + 26 + 220 + 5 + 100 + 40);
    }
    SetDisplay(800, 600);
}

TEST(CNagData, AMissingButtonPictureIsErrorOneAndLeavesNoControls)
{
    ProgramSandbox box;
    Menu menu(box.Dir());
    fs::remove(box.Root() / "RESOURCE" / "S_CHBUT_D.bmp");
    const std::size_t before = menu.form.Controls().size();
    CNagData data;
    try {
        data.BuildRows(menu.form, menu.form.Canvas());
        FAIL() << "no error";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code, 1);
    }
    EXPECT_FALSE(data.HasRows());
    EXPECT_EQ(menu.form.Controls().size(), before);
    EXPECT_EQ(data.SelectedRow(), -1);

    // With the picture back the rows can be built.
    WriteLibraryPicture(box.Dir(), "S_CHBUT_D", 22, 22, kUnchecked);
    data.BuildRows(menu.form, menu.form.Canvas());
    EXPECT_TRUE(data.HasRows());
    EXPECT_EQ(menu.form.Controls().size(), before + 4 * CNagData::kRowCount);
}

TEST(CNagData, ClicksWithTheMouseSelectRowsAndPutTheCaretAfterTheName)
{
    // Row 3 in 800 x 600: name field 156..376 x 272..298, button 486..508 x 272..294.
    HeadlessRig rig(800, 600, "click 170 285\ntype ek\nclick 495 280\nclick 495 180\n");
    Menu::Pictures pictures(rig.Dir());
    TForm form(rig.App(), "FormMain", 800, 600);
    CNagData data;
    data.BuildRows(form, form.Canvas());
    data.NameField(3).SetText("Kasia Nowak");
    data.ShowRows();
    form.Show();

    rig.Step(3);  // press, release: a click on the name field's first letters
    EXPECT_EQ(data.SelectedRow(), 3);
    EXPECT_EQ(data.NameField(3).SelStart(), 11);
    rig.Step(2);  // one character each
    EXPECT_EQ(data.RowName(3), "Kasia Nowakek");
    rig.Step(3);
    EXPECT_EQ(data.SelectedRow(), -1);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    rig.Step(3);
    EXPECT_EQ(data.SelectedRow(), 0);
    EXPECT_EQ(form.ActiveControl(), &data.NameField(0));
}

TEST(CNagData, ANulByteHidesNoSlotAndTheDamagedListIsKeptBeforeWriting)
{
    ProgramSandbox box;
    std::string list;
    for (int n = 0; n < 30; ++n) {
        list += Section(n) + "Plik=Nagranie" + std::to_string(n) + "\nNazwa=Dziecko" + std::to_string(n) +
                "\nData=02.01.2026\n";
        if (n == 0)
            list += std::string(1, '\0');
    }
    box.Dir().Write("Nagrane/record.xtr", list);
    Menu menu(box.Dir());
    {
        CNagData data;
        for (int n = 0; n < 30; ++n) {
            EXPECT_EQ(data.Slot(n).name, "Dziecko" + std::to_string(n)) << n;
            EXPECT_EQ(data.Slot(n).file, "Nagranie" + std::to_string(n)) << n;
        }
        data.BuildRows(menu.form, menu.form.Canvas());
        data.RowName(2);
        ASSERT_TRUE(data.NoteRecording(2));
    }
    EXPECT_EQ(box.Dir().Read("Nagrane/record.xtr.uszkodzony"), list);
    CNagData reloaded;
    for (int n = 0; n < 30; ++n)
        EXPECT_EQ(reloaded.Slot(n).name, "Dziecko" + std::to_string(n)) << n;
}

TEST(CNagData, AFolderNamedLikeTheListIsNoReasonToStop)
{
    ProgramSandbox box;
    fs::create_directories(box.Root() / "Nagrane" / "record.xtr");
    Menu menu(box.Dir());
    std::unique_ptr<CNagData> data;
    ASSERT_NO_THROW(data = std::make_unique<CNagData>());
    EXPECT_EQ(data->Slot(0).name, "");
    data->BuildRows(menu.form, menu.form.Canvas());
    data->NameField(0).SetText("Ola");
    data->RowName(0);
    EXPECT_FALSE(data->NoteRecording(0));
    EXPECT_TRUE(fs::is_directory(box.Root() / "Nagrane" / "record.xtr"));
}
