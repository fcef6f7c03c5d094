// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/games/forklift/ForkliftRulesSupport.h"

#include "graphics/CDisplay.h"

ForkliftTable::ForkliftTable() : m(ForkliftMeasures::Of(CDisplay(1280, 1024))), truck(m)
{
    for (int k = 0; k < 4; ++k)
        words[static_cast<std::size_t>(k)].Key = "word" + std::to_string(k);
    pictureMask.Fill(clWhite);
    textMask.Fill(clWhite);
}

std::unique_ptr<CWidPudlo> ForkliftTable::MakeBox(CWidPudlo::Kind kind, int k)
{
    const bool picture = kind == CWidPudlo::Kind::Picture;
    auto bitmap = std::make_unique<Bitmap>(picture ? kPictureWidth : kTextWidth, picture ? kPictureHeight : kTextHeight);
    bitmap->Fill(RGB(200, 40 * k, 90));
    return std::make_unique<CWidPudlo>(kind, &words[static_cast<std::size_t>(k)], picture,
                                       picture ? kPictureLift : kTextLift, picture ? &pictureMask : &textMask,
                                       std::move(bitmap));
}

void ForkliftTable::Fill(CWidPlansza& board, std::array<int, 4> rightOrder)
{
    constexpr int referenceY[4] = {182, 353, 529, 727}, emptyY[4] = {182, 348, 520, 715},
                  rightY[4] = {210, 377, 553, 745};
    for (int i = 0; i < 4; ++i) {
        board.LeftRack().AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(
            board.LeftRack(), 158, referenceY[i], MakeBox(CWidPudlo::Kind::Picture, i)));
        board.LeftRack().AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(
            board.LeftRack(), &words[static_cast<std::size_t>(i)], 382, emptyY[i], kTextWidth));
    }
    for (int i = 0; i < 4; ++i)
        board.RightRack().AddSlot(std::make_unique<CWidRegal::CMiejscePudla>(
            board.RightRack(), 1113, rightY[i], MakeBox(CWidPudlo::Kind::Text, rightOrder[static_cast<std::size_t>(i)])));
}

CWidPlansza& ForkliftTable::NewBoard(std::array<int, 4> rightOrder)
{
    boards.push_back(std::make_unique<CWidPlansza>(truck));
    CWidPlansza& board = *boards.back();
    Fill(board, rightOrder);
    board.RestoreTruck();
    return board;
}
