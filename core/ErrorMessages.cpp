// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes for fatal errors.
#include "core/ErrorMessages.h"

#include "core/CBlad.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

namespace {

TForm* g_messageOwner = nullptr;

const char* ErrorTitle()
{
    return "Szeptaczki Cz.VI - Błąd"_cp;
}

}  // namespace

TForm* MessageOwner()
{
    return g_messageOwner;
}

void SetMessageOwner(TForm* owner)
{
    g_messageOwner = owner;
}

// The platform's message boxes are modal over the whole program; the owner only
// matters once boxes are placed over a particular window.
void ShowError(const CBlad& error, TForm* /*owner*/)
{
    TheMessageBoxes().Show(ErrorTitle(), error.Message(), MessageIcon::Information);
}

void ShowFatalError(TForm* /*owner*/)
{
    TheMessageBoxes().Show(ErrorTitle(), "Wystąpił błąd krytyczny aplikacji!"_cp, MessageIcon::Error);
}
