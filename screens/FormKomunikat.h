// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own message box: a rounded picture window with a numbered
// message and a "stop" button, shown modally over the main form.
#pragma once

#include <memory>
#include <string>

#include "platform/Action.h"
#include "platform/Bitmap.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Paths.h"

class CPrzyciskP;

class TFormKomunikat : public TForm {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 250;

    // Raises CBlad code 1 when the background picture or the button cannot
    // be loaded.
    explicit TFormKomunikat(TApplication& app);
    ~TFormKomunikat() override;

    // The cp1250 text of a message number ("Błąd." for numbers without one).
    static std::string MessageText(int number);
    // The message that tells why a recording, or a game's record, could not
    // be saved.
    static int RecordingNotSavedMessage(FileProblem problem);
    static int GameNotSavedMessage(FileProblem problem);
    // The message that tells why a game's answers could not be written to
    // the child's journal.
    static int JournalNotWrittenMessage(FileProblem problem);

    // Puts the message's text into the box; the caller then shows it modally.
    void SetMessage(int number);
    int MessageNumber() const { return number_; }
    const std::string& Text() const { return vL_Komunikat.Caption(); }
    CPrzyciskP& StopButton() { return *stop_; }

    TAction A_Stop;
    TLabel vL_Komunikat;

private:
    void A_StopExecute();
    void FormPaint();
    void FormMouseDown(TMouseButton button, TShiftState shift, int x, int y);

    Bitmap background_;
    std::unique_ptr<CPrzyciskP> stop_;
    int number_ = 0;
};

// The one message box of the program while it exists.
extern TFormKomunikat* FormKomunikat;
