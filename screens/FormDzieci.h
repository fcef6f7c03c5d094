// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The children's window of the main menu: the list of children, and choosing
// the child who plays, adding a child, renaming one, removing one (asked
// twice; the folder is moved aside, never deleted) and writing a note to a
// day. A rounded picture window like the message box, shown modally.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Edit.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/PaintBox.h"

class CPrzyciskP;

class TFormDzieci : public TForm {
public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 420;
    static constexpr int kVisibleRows = 7;

    // Raises CBlad code 1 when its picture or a button cannot be loaded.
    explicit TFormDzieci(TApplication& app);
    ~TFormDzieci() override;

    // Shows the list with the active child selected; returns when the window
    // closes, mrOk when another child was chosen.
    int ShowChildren();

    enum class Mode { List, Add, Rename, Remove, RemoveAgain, Note };
    Mode CurrentMode() const { return mode_; }
    const std::vector<std::string>& Names() const { return names_; }
    // The selected child's index in Names(), -1 when none.
    int Selected() const { return selected_; }
    void Select(int index);
    // The note's day: 0 today, 1 yesterday, ...
    int NoteDaysBack() const { return daysBack_; }

    TAction A_Wybierz, A_Dodaj, A_Zmien, A_Usun, A_Notatka, A_Zamknij;
    TAction A_Zapisz, A_Anuluj, A_Tak, A_Wczesniej, A_Pozniej, A_Wyzej, A_Nizej;
    TPaintBox pbLista;
    TLabel vL_Tytul;
    TLabel vL_Tekst;      // the field's caption, or the question
    TLabel vL_Dzien;      // the note's day
    TLabel vL_Notatki;    // the notes of that day
    TLabel vL_Komunikat;  // what the last step did, or why it could not
    TEdit ePole;          // the child's name, or the note

private:
    void BuildButtons();
    void EnterMode(Mode mode);
    void ReadNames(const std::string& select);
    void ShowNoteDay();
    void Tell(const std::string& text, bool problem);
    std::string SelectedName() const;

    void A_WybierzExecute();
    void A_UsunExecute();
    void A_ZapiszExecute();
    void A_TakExecute();
    void FormKeyDown(int& key, TShiftState shift);
    void pbListaPaint();
    void pbListaMouseDown(int y);

    Bitmap background_;
    std::vector<std::unique_ptr<CPrzyciskP>> buttons_;
    std::vector<std::string> names_;
    std::string active_;
    int selected_ = -1;
    int top_ = 0;
    int daysBack_ = 0;
    Mode mode_ = Mode::List;
};

// The children's window while it exists.
extern TFormDzieci* FormDzieci;
