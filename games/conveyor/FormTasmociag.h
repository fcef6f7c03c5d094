// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor game: cans with word pictures loop on a belt; the child
// steers a magnet crane with the arrow keys, picks a can, turns the magnet
// up and pushes the can into the pipe of the word's sound. Runs as a frame
// loop while the application is idle; the zoom is the train screen's.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "core/CSlowa.h"
#include "games/common/AnswerEffects.h"
#include "games/common/ArrowPad.h"
#include "games/common/IdleFrameLoop.h"
#include "games/common/KeyboardPointerPark.h"
#include "games/common/PlayAreaScreen.h"
#include "games/conveyor/CTasChwyt.h"
#include "games/conveyor/CTasRury.h"
#include "games/conveyor/CTasTasma.h"
#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"
#include "platform/ChangedRects.h"

class CanPictures;

class TFormTasmociag : public PlayAreaScreen {
public:
    static constexpr int kHintFrames = 3000 / IdleFrameLoop::kFramePeriodMs;
    static constexpr int kEndDelayFrames = 2000 / IdleFrameLoop::kFramePeriodMs;

    // Loads every picture of the display mode; any failure raises CBlad code 1.
    explicit TFormTasmociag(TApplication& app);
    ~TFormTasmociag() override;

    int GameId() const override { return 5; }
    // Cans to carry and, among the sounds chosen, one at least with words in
    // the positions chosen: only such sounds get pipes.
    bool EnoughWords() override;

    // Cans per game for the amount: 10, 20, 30 (0 for anything else).
    static int CansForLevel(int poziom);

    // One frame without its wait: erase, update, draw into the back buffer
    // (false when nothing moves, and then nothing is drawn), then the show of
    // the rectangles changed since the last show.
    bool FrameUpdate();
    void FramePresent();
    // The rectangles changed and not yet shown.
    std::span<const TRect> FrameChanges() const { return changed_.Rects(); }

    // The game as it stands, for tests and the benchmark.
    const CTasTasma& Belt() const { return *belt_; }
    CTasChwyt& Crane() { return *crane_; }
    const CTasChwyt& Crane() const { return *crane_; }
    const CTasRury& Pipes() const { return *pipes_; }
    const IdleFrameLoop& Loop() const { return loop_; }
    int RequiredCount() const { return required_; }
    int HintCounter() const { return hintCounter_; }
    const CTasRury::CRura* HintPipe() const { return hintPipe_; }
    int EndDelay() const { return endDelay_; }
    int KeyFrames() const { return park_.Count(); }
    int FigurePose() const { return pose_; }
    TPoint FigurePosition() const { return figurePosition_; }
    const Bitmap& Background() const { return background_; }
    const Bitmap& BackBuffer() const { return backBuffer_; }
    const CTransBitmap& Arrow() const { return arrow_; }
    const ArrowPad& Arrows() const { return *arrows_; }
    // The rectangles copied to the paint box each frame, and what the answer
    // animations and the arrows' hint changed beside them in the last one.
    TRect BeltBand() const;
    // The belt's rollers and frame under the belt line, part of the belt.
    TRect RollerStrip() const;
    TRect UpperArea() const;
    TRect EffectsArea() const { return effects_; }
    // The whole back buffer drawn anew from the game as it stands.
    void Recompose();

private:
    void LoadPictures();
    int CurrentPose() const;
    void DrawFigure(bool show);
    void PlaceArrows();
    void EraseArrow();
    TRect ArrowRect() const;
    // Where the cans on the belt and the hint arrow are drawn now, as
    // changed and as drawn or erased where the crane may stand over them.
    void NoteBeltAndArrow();
    void NoteUnderCrane(const TRect& r);
    bool ReachesUnderCrane(const TRect& part) const;
    bool ReachesUnderCrane(const CTasChwyt::Look& look) const;
    // The crane's pieces before and after the frame, as changed.
    void NoteCrane(const CTasChwyt::Look& before, const CTasChwyt::Look& after);
    // The chosen sounds that have words in the chosen positions.
    int32_t SoundsWithWords();
    void AssignPipes();
    void BuildCans();

    void actNowaGraExecute() override;
    void actPomocExecute() override;
    void StopPlay() override;
    std::vector<const CSlowa::SPaczka*> UnsolvedWords() const override;
    void Closing() override;
    void FormKeyDown(int& key, TShiftState shift);
    void FormKeyUp(int& key, TShiftState shift);
    void pbGameMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void pbGameMouseMove(TShiftState shift, int x, int y) override;

    Bitmap background_;
    Bitmap backBuffer_;
    CTransBitmap arrow_;
    std::unique_ptr<CanPictures> cans_;
    std::array<CTransBitmap, 6> figure_;
    TPoint figurePosition_;
    int pose_ = 1;
    std::unique_ptr<CTasRury> pipes_;
    std::unique_ptr<CTasChwyt> crane_;
    std::unique_ptr<CTasTasma> belt_;
    IdleFrameLoop loop_;
    KeyboardPointerPark park_;
    int required_ = 0;
    std::unique_ptr<ArrowPad> arrows_;
    StarBurst burst_;
    RedFlash flash_;
    TRect effects_;
    bool overlaysLeft_ = false;
    bool tintLeft_ = false;
    // Erased or drawn this frame where the crane may stand over it.
    std::vector<TRect> underCrane_;
    int hintCounter_ = 0;
    CTasRury::CRura* hintPipe_ = nullptr;
    int endDelay_ = 0;
    ChangedRects changed_;
};

// The conveyor screen while it exists.
extern TFormTasmociag* FormTasmociag;

// Makes the conveyor screen at start-up (the program's list of screens).
std::unique_ptr<CScreenOwner> MakeFormTasmociag(TApplication& app);
