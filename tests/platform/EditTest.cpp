// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "platform/Application.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"
#include "tests/platform/HeadlessApp.h"

namespace {

struct EditForm {
    explicit EditForm(TApplication& app) : form(app, "F", 640, 480), edit(form)
    {
        edit.SetBounds(10, 10, 200, 30);
        edit.OnChange = [this] { ++changes; };
        form.OnKeyPress = [this](char& k) { formKeys += k; };
    }
    TForm form;
    TEdit edit;
    int changes = 0;
    std::string formKeys;
};

}  // namespace

TEST(TextField, TypesPolishLettersAndEditsWithTheCaretKeys)
{
    ProgramSandbox box;
    auto app = HeadlessApp(
        "type Żółw\n"        // no focus yet: the form gets the characters
        "click 20 20\n"
        "type Żółw źle\n"
        "key BackSpace\n"    // "Żółw źl"
        "key Left\n"
        "key Left\n"
        "type ą\n"           // "Żółw ąźl"
        "key Home\n"
        "key Delete\n"       // "ółw ąźl"
        "key End\n"
        "key ć\n"            // "ółw ąźlć"
        "key Return\n");     // not text
    EditForm f(*app);
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(f.edit.Text(), "ółw ąźlć"_cp);
    EXPECT_EQ(f.formKeys, "Żółw"_cp);
    EXPECT_EQ(f.changes, 12);  // 8 typed, backspace, ą, delete, ć
    EXPECT_EQ(f.edit.SelStart(), 8);
}

TEST(TextField, KeepsToItsMaximumLengthAndLosesFocusWhenAskedTo)
{
    ProgramSandbox box;
    auto app = HeadlessApp("click 20 20\ntype abcdefgh\nkey Home\ntype ź\nkey End\nkey BackSpace\ntype xy\n");
    EditForm f(*app);
    f.edit.SetMaxLength(5);
    f.edit.SetText("too long for it");
    EXPECT_EQ(f.edit.Text(), "too l");
    f.edit.SetText("");
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(f.edit.Text(), "abcdx");
    EXPECT_EQ(f.formKeys, "");

    f.form.SetActiveControl(nullptr);
    EXPECT_FALSE(f.edit.Focused());
}

TEST(TextField, ShowsItsTextAndCaretInTheFormsPixels)
{
    ProgramSandbox box;
    auto app = HeadlessApp("click 20 20\ntype WWW\n");
    EditForm f(*app);
    f.edit.Font.Height = 20;
    EXPECT_EQ(app->Run(), 0);
    // Typing repaints the field in the form's pixels: dark text inside it, nothing outside.
    const Bitmap& screen = f.form.Pixels();
    int dark = 0;
    for (int y = 10; y < 40; ++y)
        for (int x = 11; x < 209; ++x)
            dark += screen.GetPixel(x, y) == clBlack ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(screen.GetPixel(215, 20), clBlack);  // the form's own (black) pixels
    EXPECT_EQ(screen.GetPixel(200, 12), clWhite);  // the field's background
}

TEST(TextField, LiesAboveDrawnControlsMadeAfterIt)
{
    ProgramSandbox box;
    auto app = HeadlessApp("click 20 20\ntype x\n");
    EditForm f(*app);
    TControl cover(f.form);  // made later, over the same place
    cover.SetBounds(0, 0, 300, 100);
    int coverClicks = 0;
    cover.OnClick = [&] { ++coverClicks; };
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(coverClicks, 0);
    EXPECT_EQ(f.edit.Text(), "x");
}
