// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How a fatal error reaches the user: the fixed message of a CBlad, or the
// general message for any other failure, in a message box with the product's
// error title.
#pragma once

class CBlad;
class TForm;

// The window that owns start-up message boxes (the splash screen's while it
// exists). No screen registers one yet, so the application's window owns them.
TForm* MessageOwner();
void SetMessageOwner(TForm* owner);

// The error's message under "Szeptaczki Cz.VI - Błąd", information icon.
void ShowError(const CBlad& error, TForm* owner = nullptr);
// "Wystąpił błąd krytyczny aplikacji!" under the same title, error icon.
void ShowFatalError(TForm* owner = MessageOwner());
