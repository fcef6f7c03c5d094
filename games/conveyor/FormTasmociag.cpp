// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conveyor game.
#include "games/conveyor/FormTasmociag.h"

#include <array>
#include <string>

#include "controls/CPrzyciskW.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundHelpers.h"
#include "core/WordPictures.h"
#include "games/conveyor/CanPictures.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Input.h"
#include "screens/FormKoniecGry.h"
#include "screens/FormKomunikat.h"

TFormTasmociag* FormTasmociag = nullptr;

namespace {

const std::string kSpec = "Data\\Intf\\Spec\\";

// The figure's poses in the order of the files: the magnet up (g) or down
// (d), the crane going left (l), standing (s) or going right (p).
const std::array<const char*, 6> kPoses = {"gl", "gs", "gp", "dl", "ds", "dp"};

void BlendInPlace(Bitmap& target, const CTransBitmap& picture, int x, int y)
{
    if (picture.Colour && picture.Mask)
        BlendTransparent(&target, x, y, 255, y, x, &target, picture.Colour->Bounds(), picture.Mask.get(),
                         picture.Colour.get());
}

}  // namespace

TFormTasmociag::TFormTasmociag(TApplication& app)
    : PlayAreaScreen(app, "FormTasmociag", *Slowa, *StatRec, FormKoniecGry), loop_(app)
{
    const CDisplay& d = Display();
    background_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    backBuffer_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    SetScene(backBuffer_, background_);
    pbGame.SetPicture(&backBuffer_);
    LoadOrFail([&] {
        const int stopX = d.ConvertFromModeRounded(4, 20), stopY = d.ConvertFromMode(4, 20);
        const int helpX = d.Mode() == 2 ? 100 : d.ConvertFromModeRounded(4, 17);
        const int helpY = d.Mode() == 2 ? d.ConvertFromMode(4, 20) : d.ConvertFromModeRounded(4, 100);
        MakeButtons({stopX + d.OffsetX(), stopY + d.OffsetY()}, {helpX + d.OffsetX(), helpY + d.OffsetY()});
        LoadPictures();
        arrows_ = std::make_unique<ArrowPad>(*this, backBuffer_, TPoint{d.OffsetX(), d.OffsetY()}, "tas_strz");
        PlaceArrows();
        burst_.LoadPicture(kSpec + d.ModePrefix());
    });
    arrows_->OnChange = [this] { DrawFigure(true); };
    arrows_->OnRelease = [this] { Stats().Touch(); };
    OnKeyDown = [this](int& key, TShiftState s) { FormKeyDown(key, s); };
    OnKeyUp = [this](int& key, TShiftState s) { FormKeyUp(key, s); };
    FormTasmociag = this;
}

TFormTasmociag::~TFormTasmociag()
{
    loop_.Stop();
    if (FormTasmociag == this)
        FormTasmociag = nullptr;
}

void TFormTasmociag::LoadPictures()
{
    const CDisplay& d = Display();
    const int mode = d.Mode();
    const int spare = d.SpareHeight();
    const std::string prefix = d.ModePrefix();

    // The scene is drawn for a 1280 x 1024 area; on 1280 x 960 its top is cut.
    if (d.Variant() == 16) {
        const std::unique_ptr<Bitmap> full = LoadJpegFile(kSpec + d.PrefixedName("Ttas.xji"));
        background_.Fill(clBlack);
        background_.CopyRect(RectXYWH(0, -64, full->Width(), full->Height()), *full, full->Bounds());
    } else {
        const std::unique_ptr<Bitmap> picture = LoadJpegFile(kSpec + d.PrefixedName("Ttas.xji"));
        background_.Fill(clBlack);
        background_.CopyRect(picture->Bounds(), *picture, picture->Bounds());
    }
    arrow_.LoadPair(kSpec + prefix + "tas_stB.xji", kSpec + prefix + "tas_stW.xji");
    for (std::size_t k = 0; k < kPoses.size(); ++k) {
        const std::string base = kSpec + prefix + "tas_gad" + kPoses[k];
        figure_[k].LoadPair(base + "B.xji", base + "W.xji");
    }
    figurePosition_ = mode == 2 ? TPoint{20, 130 + spare} : mode == 4 ? TPoint{26, 167 + spare} : TPoint{33, 209 + spare};
    cans_ = std::make_unique<CanPictures>(prefix, mode);

    pipes_ = std::make_unique<CTasRury>(d.ConvertFromModeRounded(16, 84) + spare, d.ConvertFromModeRounded(16, 25),
                                        cans_->Upper().Colour->Height());
    const int pipeWidth = d.ConvertFromModeRounded(16, 624) - d.ConvertFromModeRounded(16, 478);
    for (int left : {478, 683, 888, 1093}) {
        const int x = d.ConvertFromModeRounded(16, left);
        pipes_->AddPipe(x, x + pipeWidth);
    }
    belt_ = std::make_unique<CTasTasma>(d.ConvertFromModeRounded(16, 825) + spare, d.AreaWidth());
    const int beltLimit = belt_->BeltLine() - cans_->Lower().Colour->Height() - d.ConvertFromModeRounded(16, 15);
    crane_ = std::make_unique<CTasChwyt>(d.AreaWidth(), d.ConvertFromMode(16, 440) + spare, *pipes_, beltLimit,
                                         CTasChwyt::LoadPictures(prefix));
    crane_->OnDelivery = [this](bool right, const CTasPuszka& can, const CTasRury::CRura& pipe) {
        if (right) {
            Right(&can.Word());
            PlayFeedbackSound(kPraiseShort, false);
            burst_.Start({pipe.Centre(), pipes_->Line()}, Display().ConvertFromModeRounded(16, 120));
        } else {
            Wrong(&can.Word());
            PlayFeedbackSound(kReproach, false);
            flash_.Start();
        }
    };
}

void TFormTasmociag::PlaceArrows()
{
    // On the floor under the belt's rollers, the one strip where nothing of
    // the play comes, centred in its height (the pictures are made to fit
    // it with their glow): left and right at the left end, up and down at
    // the right end, for two hands.
    const CDisplay& d = Display();
    const int side = arrows_->ButtonSize();
    const int floor = RollerStrip().bottom;
    const int y = floor + (d.AreaHeight() - floor - side) / 2;
    const int margin = d.ConvertFromModeRounded(16, 22), step = side + d.ConvertFromModeRounded(16, 20);
    arrows_->Place(ArrowPad::kLeft, {margin, y});
    arrows_->Place(ArrowPad::kRight, {margin + step, y});
    arrows_->Place(ArrowPad::kUp, {d.AreaWidth() - margin - side - step, y});
    arrows_->Place(ArrowPad::kDown, {d.AreaWidth() - margin - side, y});
}

int TFormTasmociag::CansForLevel(int poziom)
{
    return ByAmount(poziom, 10, 20, 30);
}

bool TFormTasmociag::EnoughWords()
{
    const int pool = Words().BuildPool(UstTasmociag.Gloski, UstTasmociag.Pozycja);
    required_ = CansForLevel(UstTasmociag.Poziom);
    return required_ > 0 && SoundsWithWords() != 0 && pool >= required_;
}

TRect TFormTasmociag::BeltBand() const
{
    return {0, belt_->BeltLine() - cans_->Lower().Colour->Height(), pbGame.Width(), belt_->BeltLine()};
}

TRect TFormTasmociag::RollerStrip() const
{
    // As the background draws them: 50 pixels high in the 1280 design.
    return {0, belt_->BeltLine(), pbGame.Width(), belt_->BeltLine() + Display().ConvertFromModeRounded(16, 50)};
}

TRect TFormTasmociag::UpperArea() const
{
    return {Display().ConvertFromMode(16, 283), pipes_->Line(), pbGame.Width(),
            belt_->BeltLine() - cans_->Lower().Colour->Height()};
}

int TFormTasmociag::CurrentPose() const
{
    const int column = arrows_->Held(ArrowPad::kLeft) ? 0 : arrows_->Held(ArrowPad::kRight) ? 2 : 1;
    const int row = crane_->S() >= 0 ? 1 : 0;
    return row * 3 + column;
}

void TFormTasmociag::DrawFigure(bool show)
{
    pose_ = CurrentPose();
    const CTransBitmap& figure = figure_[static_cast<std::size_t>(pose_)];
    if (!figure.Colour)
        return;
    // The poses differ in outline: the previous one must not show round the new.
    const TRect r = RectXYWH(figurePosition_.x, figurePosition_.y, figure.Colour->Width(), figure.Colour->Height());
    backBuffer_.CopyRect(r, background_, r);
    BlendInPlace(backBuffer_, figure, figurePosition_.x, figurePosition_.y);
    if (show)
        pbGame.Canvas().CopyRect(r, backBuffer_, r);
}

int32_t TFormTasmociag::SoundsWithWords()
{
    if (Words().Pool().empty())
        Words().BuildPool(UstTasmociag.Gloski, UstTasmociag.Pozycja);
    int32_t sounds = 0;
    for (int32_t bit = GL_SZ; bit <= GL_DZZZ; bit <<= 1)
        if ((UstTasmociag.Gloski & bit) != 0 && Words().CountPool(bit, POZ_WSZYSTKIE) > 0)
            sounds |= bit;
    return sounds;
}

void TFormTasmociag::AssignPipes()
{
    // A pipe for a sound without words in the chosen positions would wait
    // for cans that never come.
    std::array<int32_t, kSoundCount> split{};
    const int k = SplitSounds(SoundsWithWords(), split);
    std::array<int, kSoundCount> sounds{};
    for (int i = 0; i < k; ++i)
        sounds[static_cast<std::size_t>(i)] = split[static_cast<std::size_t>(i)];
    ShuffleInts(sounds.data(), k);
    int32_t used = 0;
    for (int i = 0; i < pipes_->Count(); ++i) {
        // No sound at all leaves the pipes unlabelled and the belt empty.
        const int32_t sound = k > 0 ? sounds[static_cast<std::size_t>(i % k)] : 0;
        pipes_->SetSound(i, sound);
        used |= sound;
    }
    Words().ClearExercise();
    Words().ChooseExercise(required_, used);
}

void TFormTasmociag::BuildCans()
{
    const CDisplay& d = Display();
    const TRect window = cans_->LowerWindowRect();
    ::LoadPictures(Words(), window.Width(), window.Height());
    belt_->Clear();
    const int grip = d.ConvertFromMode(16, 40), lift = d.ConvertFromMode(16, 5);
    for (CSlowa::SPaczka* word : Words().Exercise())
        belt_->Append(cans_->MakeCan(*word, lift, grip));
    if (d.Mode() == 16)
        belt_->Layout(250, 3);
    else
        belt_->Layout(166, 2);
}

void TFormTasmociag::actNowaGraExecute()
{
    loop_.Stop();
    if (FormMain != nullptr)
        FormMain->ShowWaitingPicture(*this);
    Words().ReleaseAll();
    required_ = CansForLevel(UstTasmociag.Poziom);
    AssignPipes();
    BuildCans();
    if (belt_->Empty()) {
        // Nothing to carry (the menu lets no such game start): said as the
        // menu says it, and nothing is recorded.
        if (FormKomunikat != nullptr) {
            FormKomunikat->SetMessage(3);
            FormKomunikat->ShowModal();
        }
        Close();
        return;
    }
    crane_->Reset(Display().ConvertFromMode(16, 400));
    hintCounter_ = 0;
    hintPipe_ = nullptr;
    arrows_->LetGoAll();
    burst_.Stop();
    flash_.Stop();
    endDelay_ = kEndDelayFrames;
    park_.Reset();
    Recompose();
    arrows_->StartHintOnce({ArrowPad::kLeft, ArrowPad::kRight, ArrowPad::kDown, ArrowPad::kUp});
    Invalidate();
    BeginGame(UstTasmociag);
    loop_.StartSkippingUnchanged([this] { return FrameUpdate(); }, [this] { FramePresent(); });
}

void TFormTasmociag::Recompose()
{
    backBuffer_.CopyRect(backBuffer_.Bounds(), background_, background_.Bounds());
    DrawButtons();
    arrows_->DrawButtons();
    arrows_->SceneRedrawn();
    burst_.SceneRedrawn();
    DrawFigure(false);
    pipes_->DrawLabels(backBuffer_, FontRegular());
    belt_->Draw(backBuffer_);
    crane_->Draw(backBuffer_);
}

TRect TFormTasmociag::ArrowRect() const
{
    if (hintPipe_ == nullptr || !arrow_.Colour)
        return {};
    const int w = arrow_.Colour->Width(), h = arrow_.Colour->Height();
    const int left = (hintPipe_->Left + hintPipe_->Right) / 2 - w / 2;
    return RectXYWH(left, pipes_->Line() + Display().ConvertFromMode(16, 20), w, h);
}

void TFormTasmociag::EraseArrow()
{
    const TRect r = ArrowRect();
    backBuffer_.CopyRect(r, background_, r);
}

void TFormTasmociag::NoteBeltAndArrow()
{
    const TRect scene = backBuffer_.Bounds();
    for (int i = 0; i < belt_->Count(); ++i)
        NoteUnderCrane(belt_->CanRect(i).Intersect(scene));
    NoteUnderCrane(ArrowRect());
}

void TFormTasmociag::NoteUnderCrane(const TRect& r)
{
    if (r.IsEmpty())
        return;
    changed_.Add(r);
    underCrane_.push_back(r);
}

bool TFormTasmociag::ReachesUnderCrane(const TRect& part) const
{
    for (const TRect& r : underCrane_)
        if (!r.Intersect(part).IsEmpty())
            return true;
    return false;
}

bool TFormTasmociag::ReachesUnderCrane(const CTasChwyt::Look& look) const
{
    for (int i = 0; i < look.count; ++i)
        if (ReachesUnderCrane(look.rects[static_cast<std::size_t>(i)]))
            return true;
    return false;
}

void TFormTasmociag::NoteCrane(const CTasChwyt::Look& before, const CTasChwyt::Look& after)
{
    // The rail strip spans the scene: shown again only when it moved, took
    // another lamp colour or had something drawn over it; the other pieces
    // are small.
    const bool railChanged = before.rail != after.rail || before.s != after.s || ReachesUnderCrane(before.rail) ||
                             ReachesUnderCrane(after.rail);
    const TRect scene = backBuffer_.Bounds();
    for (const CTasChwyt::Look* look : {&before, &after})
        for (int i = 0; i < look->count; ++i) {
            const TRect& r = look->rects[static_cast<std::size_t>(i)];
            if (r != look->rail || railChanged)
                changed_.Add(r.Intersect(scene));
        }
}

bool TFormTasmociag::FrameUpdate()
{
    const CDisplay& d = Display();
    // Nothing moves when the belt is empty, no arrow is held, no can rises
    // into a pipe, no hint arrow blinks and no animation runs or is left to
    // be put back: such a frame draws nothing.
    const bool still = belt_->Empty() && !arrows_->AnyHeld() && crane_->Released() == nullptr &&
                       hintPipe_ == nullptr && !burst_.Active() && !arrows_->HintRunning() && !overlaysLeft_ &&
                       !(flash_.Active() && crane_->Held() != nullptr && crane_->S() != 0);
    if (still) {
        if (Running() && crane_->Held() == nullptr) {
            if (endDelay_ <= 0) {
                actStop.Execute();
                return false;
            }
            --endDelay_;
        }
        // Only what earlier frames left unshown is to be shown.
        return !changed_.Empty();
    }
    // What is drawn now is erased: shown again with what replaces it.
    const CTasChwyt::Look before = crane_->CurrentLook();
    NoteBeltAndArrow();
    // Erase what moves; what was drawn over the scene goes first, in the
    // reverse order of its drawing.
    effects_ = arrows_->EraseHint(backBuffer_);
    effects_ = Covering(effects_, burst_.Erase(backBuffer_));
    if (hintPipe_ != nullptr) {
        EraseArrow();
        if (hintCounter_ == 0)
            hintPipe_ = nullptr;
    }
    belt_->Erase(backBuffer_, background_);

    // Steer: left wins over right, up over down.
    const int sideways = d.ConvertFromModeRounded(16, 8);
    if (arrows_->Held(ArrowPad::kLeft))
        crane_->Left(sideways);
    else if (arrows_->Held(ArrowPad::kRight))
        crane_->Right(sideways);
    bool turned = false;
    if (arrows_->Held(ArrowPad::kUp))
        turned = crane_->Up(d.ConvertFromModeRounded(16, 6));
    else if (arrows_->Held(ArrowPad::kDown))
        turned = crane_->Down(d.ConvertFromModeRounded(16, 8));
    if (turned)
        DrawFigure(true);
    if (park_.Frame(arrows_->KeyHeld())) {
        const TPoint corner = pbGame.ClientToScreen({0, 0});
        park_.Parked(corner);
        App().SetCursorPos(corner.x, corner.y);
    }

    if (crane_->ReadyToPick()) {
        std::unique_ptr<CTasPuszka> can = belt_->TakeUnder(crane_->MagnetCentreX());
        if (can) {
            const std::string key = can->Word().Key;
            crane_->Take(std::move(can));
            PlayDataSound(key, false);
        }
    }

    if (Running() && belt_->Empty() && crane_->Held() == nullptr) {
        if (endDelay_ <= 0) {
            actStop.Execute();
            return false;
        }
        --endDelay_;
    }

    crane_->Step();
    belt_->Step();
    if (hintCounter_ > 0)
        --hintCounter_;

    // The crane is erased and drawn again only when it looks otherwise now,
    // blushes, or something erased or drawn beneath it this frame reaches it.
    NoteBeltAndArrow();
    const CTasChwyt::Look after = crane_->CurrentLook();
    const bool blush = flash_.Active() && crane_->Held() != nullptr && crane_->S() != 0;
    const bool redrawCrane =
        before != after || blush || tintLeft_ || ReachesUnderCrane(before) || ReachesUnderCrane(after);
    if (redrawCrane) {
        for (int i = 0; i < before.count; ++i) {
            const TRect& r = before.rects[static_cast<std::size_t>(i)];
            backBuffer_.CopyRect(r, background_, r);
        }
        NoteCrane(before, after);
    }
    underCrane_.clear();
    belt_->Draw(backBuffer_);
    if (redrawCrane)
        crane_->Draw(backBuffer_);
    // Blinks five frames on, five off.
    if (hintPipe_ != nullptr && crane_->Held() != nullptr && (hintCounter_ / 5) % 2 == 1 && arrow_.Colour) {
        const int left = (hintPipe_->Left + hintPipe_->Right) / 2 - arrow_.Colour->Width() / 2;
        BlendInPlace(backBuffer_, arrow_, left, pipes_->Line() + d.ConvertFromMode(16, 20));
    }
    // A can refused by a wrong pipe blushes on the magnet (in the pipe it
    // is left out above the pipes' line, as it is drawn).
    TRect tinted;
    if (const CTasPuszka* can = crane_->Held(); can != nullptr && crane_->S() != 0) {
        const TRect r = crane_->HeldCanRect();
        const TRect clip{0, crane_->S() == -1 ? pipes_->Line() : 0, backBuffer_.Width(), backBuffer_.Height()};
        tinted = flash_.Draw(backBuffer_, can->Mask(), r.left, r.top, clip);
    }
    const TRect stars = burst_.Draw(backBuffer_);
    const TRect glow = arrows_->DrawHint(backBuffer_);
    // What was drawn over the scene this frame is taken away in the next.
    tintLeft_ = !tinted.IsEmpty();
    overlaysLeft_ = tintLeft_ || !stars.IsEmpty() || !glow.IsEmpty();
    effects_ = Covering(Covering(effects_, stars), glow);
    changed_.Add(effects_);
    return true;
}

void TFormTasmociag::FramePresent()
{
    // Frames drawn and not shown (none in the loop) are shown together.
    pbGame.ShowPicture(changed_.Rects());
    changed_.Clear();
}

void TFormTasmociag::FormKeyDown(int& key, TShiftState) { arrows_->KeyDown(key); }

void TFormTasmociag::FormKeyUp(int& key, TShiftState) { arrows_->KeyUp(key); }

void TFormTasmociag::pbGameMouseMove(TShiftState, int x, int y)
{
    park_.PointerMoved(pbGame.ClientToScreen({x, y}));
}

void TFormTasmociag::pbGameMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    Stats().Touch();
    if (button != TMouseButton::mbRight)
        return;
    const CTasPuszka* can = crane_->HeldCanAt(x, y) ? crane_->Held() : belt_->CanAt(x, y);
    if (can != nullptr)
        ZoomWord(can->Word(), x, y);
}

void TFormTasmociag::actPomocExecute()
{
    Stats().Touch();
    if (crane_->Held() == nullptr)
        return;
    HintShown(&crane_->Held()->Word());
    // A second hint for another pipe takes the first arrow away at once.
    const TRect old = ArrowRect();
    EraseArrow();
    pbGame.ShowPicture(old);
    // Whatever of the crane it erased is drawn again with the next frame.
    if (!old.IsEmpty())
        underCrane_.push_back(old);
    hintCounter_ = kHintFrames;
    hintPipe_ = pipes_->PipeForSound(crane_->Held()->Word().Flags & GL_WSZYSTKIE);
    if (hintPipe_ == nullptr)
        hintCounter_ = 0;
}

void TFormTasmociag::StopPlay()
{
    arrows_->LetGoAll();
    // The belt stands still under the summary.
    loop_.Stop();
}

std::vector<const CSlowa::SPaczka*> TFormTasmociag::UnsolvedWords() const
{
    std::vector<const CSlowa::SPaczka*> left;
    for (int i = 0; i < belt_->Count(); ++i)
        left.push_back(&belt_->Can(i).Word());
    if (crane_->Held() != nullptr)
        left.push_back(&crane_->Held()->Word());
    return left;
}

void TFormTasmociag::Closing()
{
    loop_.Stop();
    belt_->Clear();
    crane_->Reset(Display().ConvertFromMode(16, 400));
}

std::unique_ptr<CScreenOwner> MakeFormTasmociag(TApplication& app) { return std::make_unique<TFormTasmociag>(app); }
