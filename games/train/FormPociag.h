// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The train game: the child lifts the top picture out of one of four wagons
// and drops it on the shelf box labelled with the word's sound. The screen
// also owns the program's one picture zoom, which other games borrow.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/CSlowa.h"
#include "games/common/AnswerEffects.h"
#include "games/common/PlayAreaScreen.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"
#include "platform/Clock.h"

class CPocRegal;
class CPocWagon;
class CZoom;

class TFormPociag : public PlayAreaScreen {
public:
    using SPaczka = CSlowa::SPaczka;
    static constexpr int kWagonCount = 4;
    static constexpr int kFigureFrames = 6;
    static constexpr int kFigureIntervalMs = 2000;
    static constexpr int kHintPauseMs = 500;

    // Loads every picture of the display mode; any failure raises CBlad code 1.
    explicit TFormPociag(TApplication& app);
    ~TFormPociag() override;

    int GameId() const override { return 1; }
    bool EnoughWords() override;

    // Pictures per game for the amount: 8, 16, 24 (0 for anything else).
    static int WordsForLevel(int poziom);

    // The program's one picture zoom; the other games borrow it.
    CZoom& Zoom() { return *zoom_; }

    Timer timGad;

    // The game as it stands, for the other screens and the tests.
    CPocWagon& Wagon(int i) const { return *wagons_[static_cast<std::size_t>(i)]; }
    CPocRegal& Regal() const { return *regal_; }
    int RequiredCount() const { return required_; }
    int SortedCount() const { return sorted_; }
    const CPocWagon* CurrentWagon() const { return current_; }
    const CPocWagon* GrabbedWagon() const { return grabbed_; }
    const SPaczka* DraggedWord() const { return dragged_; }
    TPoint DragPosition() const { return position_; }
    bool PictureReleased() const { return released_; }
    int FrameWidth() const { return frameWidth_; }
    int PictureWidth() const { return framePicture_->Width(); }
    int PictureHeight() const { return framePicture_->Height(); }
    TPoint FigurePosition() const { return figurePosition_; }
    int FigureFrame() const { return figureFrame_; }
    const Bitmap& Background() const { return background_; }
    const Bitmap& BackBuffer() const { return backBuffer_; }
    const CTransBitmap& Highlight() const { return highlight_; }

private:
    void LoadPictures();
    void RebuildBackBuffer();
    void UpdatePointer(int x, int y);
    CPocWagon* WagonAt(int x, int y) const;
    bool MoveDragged(int x, int y, bool draw);
    void DrawDrag();
    void RestoreUncoveredOnScreen(int newX, int newY, TRect oldRect);
    void Drop();
    void GlideBack();
    void CloseLikeBlind();
    void EndDrag();
    void ConfineToColumn(int x, int y);
    void ConfineAboveClearance();
    void RestoreConfinement();

    void actNowaGraExecute() override;
    void actPomocExecute() override;
    std::vector<const CSlowa::SPaczka*> UnsolvedWords() const override;
    void timGadTimer();
    void pbGamePaint() override;
    void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void pbGameMouseMove(TShiftState shift, int x, int y) override;
    void pbGameMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void FormShown() override;
    void Closing() override;

    Bitmap background_;
    Bitmap backBuffer_;
    std::array<std::unique_ptr<Bitmap>, kFigureFrames> figures_;
    int figureFrame_ = 0;
    TPoint figurePosition_;
    std::unique_ptr<Bitmap> framePicture_;
    int frameWidth_ = 3;
    CTransBitmap highlight_;
    std::unique_ptr<CPocRegal> regal_;
    std::array<std::unique_ptr<CPocWagon>, kWagonCount> wagons_;
    int required_ = 0;
    int sorted_ = 0;
    CPocWagon* current_ = nullptr;
    CPocWagon* grabbed_ = nullptr;
    SPaczka* dragged_ = nullptr;
    TPoint position_;
    TPoint grabOffset_;
    TPoint previous_;
    TPoint lastPointer_;
    std::unique_ptr<CZoom> zoom_;
    StarBurst burst_;
    int64_t nextHintMs_ = 0;
    bool released_ = false;
    TRect savedClip_;
    bool savedConfined_ = false;
    bool dropping_ = false;
};

// The train screen while it exists.
extern TFormPociag* FormPociag;

// Makes the train screen at start-up (the program's list of screens).
std::unique_ptr<CScreenOwner> MakeFormPociag(TApplication& app);
