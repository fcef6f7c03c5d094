// The conveyor game.
#include "games/conveyor/FormTasmociag.h"

#include <array>
#include <exception>
#include <string>

#include "controls/CPrzyciskW.h"
#include "controls/CZoom.h"
#include "core/CBlad.h"
#include "core/CStatRec.h"
#include "core/CUstGry.h"
#include "core/FormMain.h"
#include "core/SoundHelpers.h"
#include "core/WordPictures.h"
#include "games/conveyor/CanPictures.h"
#include "games/train/FormPociag.h"
#include "graphics/CDisplay.h"
#include "graphics/Cbitmapy.h"
#include "graphics/GlobalFonts.h"
#include "platform/Application.h"
#include "platform/Input.h"
#include "screens/FormKoniecGry.h"
#include "games/common/GameSummary.h"
#include "games/common/PaintAround.h"

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
    : TForm(app, "FormTasmociag", app.ScreenWidth(), app.ScreenHeight() - 20),
      pbGame(*this),
      actStop("actStop", [this] { actStopExecute(); }),
      actPomoc("actPomoc", [this] { actPomocExecute(); }),
      actNowaGra("actNowaGra", [this] { actNowaGraExecute(); }),
      loop_(app)
{
    const CDisplay& d = Display();
    Caption = "Gry Szeptaczki Cz.VI";
    SetBounds(0, 0, app.ScreenWidth(), app.ScreenHeight() - 20);
    pbGame.Name = "pbGame";
    pbGame.SetBounds(d.OffsetX(), d.OffsetY(), d.AreaWidth(), d.AreaHeight());
    background_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    backBuffer_ = Bitmap(d.AreaWidth(), d.AreaHeight(), PixelFormat::Bgr24);
    pbGame.SetPicture(&backBuffer_);

    try {
        const int stopX = d.ConvertFromModeRounded(4, 20), stopY = d.ConvertFromMode(4, 20);
        const int helpX = d.Mode() == 2 ? 100 : d.ConvertFromModeRounded(4, 17);
        const int helpY = d.Mode() == 2 ? d.ConvertFromMode(4, 20) : d.ConvertFromModeRounded(4, 100);
        stop_ = std::make_unique<CPrzyciskW>(*this, "stop", Canvas(), backBuffer_, &background_,
                                             stopX + d.OffsetX(), stopY + d.OffsetY(), actStop);
        pomoc_ = std::make_unique<CPrzyciskW>(*this, "pomoc", Canvas(), backBuffer_, &background_,
                                              helpX + d.OffsetX(), helpY + d.OffsetY(), actPomoc);
        for (CPrzyciskW* button : {stop_.get(), pomoc_.get()}) {
            button->SetBackBufferOffset(d.OffsetX(), d.OffsetY());
            button->SetBackgroundOffset(d.OffsetX(), d.OffsetY());
        }
        LoadPictures();
    } catch (const CBlad&) {
        throw;
    } catch (const std::exception&) {
        throw CBlad(1);
    }

    pbGame.OnPaint = [this] { pbGamePaint(); };
    pbGame.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) { pbGameMouseDown(b, s, x, y); };
    pbGame.OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x, y); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](TCloseAction& action) { FormClose(action); };
    // Closing the window or ending the session stops a game as its button
    // does, so that the game is recorded.
    OnCloseRequest = [this] {
        if (running_)
            actStop.Execute();
        else
            Close();
    };
    OnPaint = [this] { FormPaint(); };
    OnKeyDown = [this](int& key, TShiftState s) { FormKeyDown(key, s); };
    OnKeyUp = [this](int& key, TShiftState s) { FormKeyUp(key, s); };
    OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        pbGameMouseDown(b, s, x - pbGame.Left(), y - pbGame.Top());
    };
    OnMouseMove = [this](TShiftState s, int x, int y) { pbGameMouseMove(s, x - pbGame.Left(), y - pbGame.Top()); };

    FormTasmociag = this;
    RegisterGameScreen(this);
}

TFormTasmociag::~TFormTasmociag()
{
    loop_.Stop();
    UnregisterGameScreen(this);
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
    crane_->OnDelivery = [](bool right) {
        if (right) {
            StatRec->AddCorrect();
            PlayFeedbackSound(kPraiseShort, false);
        } else {
            StatRec->AddWrong();
            PlayFeedbackSound(kReproach, false);
        }
    };
}

int TFormTasmociag::CansForLevel(int poziom)
{
    switch (poziom) {
    case 1: return 10;
    case 2: return 20;
    case 3: return 30;
    default: return 0;
    }
}

bool TFormTasmociag::EnoughWords()
{
    const int pool = Slowa->BuildPool(UstTasmociag.Gloski, UstTasmociag.Pozycja);
    required_ = CansForLevel(UstTasmociag.Poziom);
    return pool >= required_;
}

int TFormTasmociag::ShowGame() { return ShowModal(); }

TRect TFormTasmociag::BeltBand() const
{
    return {0, belt_->BeltLine() - cans_->Lower().Colour->Height(), pbGame.Width(), belt_->BeltLine()};
}

TRect TFormTasmociag::UpperArea() const
{
    return {Display().ConvertFromMode(16, 283), pipes_->Line(), pbGame.Width(),
            belt_->BeltLine() - cans_->Lower().Colour->Height()};
}

int TFormTasmociag::CurrentPose() const
{
    const int column = left_ ? 0 : right_ ? 2 : 1;
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

void TFormTasmociag::AssignPipes()
{
    std::array<int32_t, kSoundCount> split{};
    const int k = SplitSounds(UstTasmociag.Gloski, split);
    std::array<int, kSoundCount> sounds{};
    for (int i = 0; i < k; ++i)
        sounds[static_cast<std::size_t>(i)] = split[static_cast<std::size_t>(i)];
    ShuffleInts(sounds.data(), k);
    int32_t used = 0;
    for (int i = 0; i < pipes_->Count(); ++i) {
        // No sound chosen at all leaves the pipes unlabelled and the belt empty.
        const int32_t sound = k > 0 ? sounds[static_cast<std::size_t>(i % k)] : 0;
        pipes_->SetSound(i, sound);
        used |= sound;
    }
    Slowa->ClearExercise();
    if (Slowa->Pool().empty())
        Slowa->BuildPool(UstTasmociag.Gloski, UstTasmociag.Pozycja);
    Slowa->ChooseExercise(required_, used);
}

void TFormTasmociag::BuildCans()
{
    const CDisplay& d = Display();
    const TRect window = cans_->LowerWindowRect();
    ::LoadPictures(*Slowa, window.Width(), window.Height());
    belt_->Clear();
    const int grip = d.ConvertFromMode(16, 40), lift = d.ConvertFromMode(16, 5);
    for (CSlowa::SPaczka* word : Slowa->Exercise())
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
    Slowa->ReleaseAll();
    required_ = CansForLevel(UstTasmociag.Poziom);
    AssignPipes();
    BuildCans();
    crane_->Reset(Display().ConvertFromMode(16, 400));
    hintCounter_ = 0;
    hintPipe_ = nullptr;
    left_ = right_ = up_ = down_ = false;
    endDelay_ = kEndDelayFrames;
    park_.Reset();

    backBuffer_.CopyRect(backBuffer_.Bounds(), background_, background_.Bounds());
    stop_->DrawNormal();
    pomoc_->DrawNormal();
    DrawFigure(false);
    pipes_->DrawLabels(backBuffer_, FontRegular());
    belt_->Draw(backBuffer_);
    crane_->Draw(backBuffer_);
    Invalidate();
    running_ = true;
    StatRec->StartGame(UstTasmociag);
    loop_.StartSkippingUnchanged([this] { return FrameUpdate(); }, [this] { FramePresent(); });
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

void TFormTasmociag::NoteMovingRects()
{
    const TRect scene = backBuffer_.Bounds();
    for (int i = 0; i < belt_->Count(); ++i)
        changed_.Add(belt_->CanRect(i).Intersect(scene));
    TRect crane[CTasChwyt::kMaxRects];
    const int n = crane_->Rects(crane);
    for (int i = 0; i < n; ++i)
        changed_.Add(crane[i].Intersect(scene));
    changed_.Add(ArrowRect());
}

bool TFormTasmociag::FrameUpdate()
{
    const CDisplay& d = Display();
    // Nothing moves when the belt is empty, no key is held, no can rises
    // into a pipe and no arrow blinks: such a frame draws nothing.
    const bool still = belt_->Empty() && !left_ && !right_ && !up_ && !down_ && crane_->Released() == nullptr &&
                       hintPipe_ == nullptr;
    if (still) {
        if (running_ && crane_->Held() == nullptr) {
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
    NoteMovingRects();
    // Erase what moves.
    if (hintPipe_ != nullptr) {
        EraseArrow();
        if (hintCounter_ == 0)
            hintPipe_ = nullptr;
    }
    belt_->Erase(backBuffer_, background_);
    crane_->Erase(backBuffer_, background_);

    // Steer: left wins over right, up over down.
    const int sideways = d.ConvertFromModeRounded(16, 8);
    if (left_)
        crane_->Left(sideways);
    else if (right_)
        crane_->Right(sideways);
    bool turned = false;
    if (up_)
        turned = crane_->Up(d.ConvertFromModeRounded(16, 6));
    else if (down_)
        turned = crane_->Down(d.ConvertFromModeRounded(16, 8));
    if (turned)
        DrawFigure(true);
    if (park_.Frame(left_ || right_ || up_ || down_)) {
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

    if (running_ && belt_->Empty() && crane_->Held() == nullptr) {
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

    belt_->Draw(backBuffer_);
    crane_->Draw(backBuffer_);
    // Blinks five frames on, five off.
    if (hintPipe_ != nullptr && crane_->Held() != nullptr && (hintCounter_ / 5) % 2 == 1 && arrow_.Colour) {
        const int left = (hintPipe_->Left + hintPipe_->Right) / 2 - arrow_.Colour->Width() / 2;
        BlendInPlace(backBuffer_, arrow_, left, pipes_->Line() + d.ConvertFromMode(16, 20));
    }
    NoteMovingRects();
    return true;
}

void TFormTasmociag::FramePresent()
{
    // Frames drawn and not shown (none in the loop) are shown together.
    pbGame.ShowPicture(changed_.Rects());
    changed_.Clear();
}

void TFormTasmociag::FormKeyDown(int& key, TShiftState)
{
    bool* flag = key == VK_LEFT ? &left_ : key == VK_UP ? &up_ : key == VK_RIGHT ? &right_ : key == VK_DOWN ? &down_ : nullptr;
    if (flag == nullptr || *flag)
        return;
    *flag = true;
    DrawFigure(true);
}

void TFormTasmociag::FormKeyUp(int& key, TShiftState)
{
    bool* flag = key == VK_LEFT ? &left_ : key == VK_UP ? &up_ : key == VK_RIGHT ? &right_ : key == VK_DOWN ? &down_ : nullptr;
    if (flag == nullptr)
        return;
    StatRec->Touch();
    if (!*flag)
        return;
    *flag = false;
    DrawFigure(true);
}

void TFormTasmociag::pbGameMouseMove(TShiftState, int x, int y)
{
    park_.PointerMoved(pbGame.ClientToScreen({x, y}));
}

void TFormTasmociag::pbGameMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    StatRec->Touch();
    if (button != TMouseButton::mbRight || FormPociag == nullptr)
        return;
    const CTasPuszka* can = crane_->HeldCanAt(x, y) ? crane_->Held() : belt_->CanAt(x, y);
    if (can == nullptr)
        return;
    CZoom& zoom = FormPociag->Zoom();
    TCanvas& canvas = pbGame.Canvas();
    zoom.Show(canvas, backBuffer_, y, x, CZoom::WordOf(can->Word()));
    zoom.PlayWord();
    zoom.Hide(canvas, backBuffer_);
}

void TFormTasmociag::actPomocExecute()
{
    StatRec->Touch();
    if (crane_->Held() == nullptr)
        return;
    StatRec->AddHint();
    // A second hint for another pipe takes the first arrow away at once.
    const TRect old = ArrowRect();
    EraseArrow();
    pbGame.ShowPicture(old);
    hintCounter_ = kHintFrames;
    hintPipe_ = pipes_->PipeForSound(crane_->Held()->Word().Flags & GL_WSZYSTKIE);
    if (hintPipe_ == nullptr)
        hintCounter_ = 0;
}

void TFormTasmociag::actStopExecute()
{
    left_ = right_ = up_ = down_ = false;
    running_ = false;
    // The belt stands still under the summary.
    loop_.Stop();
    const bool finished = belt_->Empty() && crane_->Held() == nullptr;
    if (!finished) {
        for (int i = 0; i < belt_->Count(); ++i)
            StatRec->AddWrong();
        if (crane_->Held() != nullptr)
            StatRec->AddWrong();
    }
    StatRec->StopGame();
    StatRec->Save(finished ? 1 : 0);
    ShowSummaryThenContinue(FormKoniecGry, actNowaGra, *this);
}

void TFormTasmociag::FormShow()
{
    SetSize(App().ScreenWidth(), App().ScreenHeight());
    actNowaGra.Execute();
}

void TFormTasmociag::FormClose(TCloseAction&)
{
    loop_.Stop();
    running_ = false;
    SetSize(App().ScreenWidth(), App().ScreenHeight() - 20);
    belt_->Clear();
    crane_->Reset(Display().ConvertFromMode(16, 400));
    Slowa->ReleaseAll();
}

void TFormTasmociag::FormPaint()
{
    PaintBlackAround(Canvas(), pbGame.BoundsRect(), Width(), Height());
}

void TFormTasmociag::pbGamePaint() { pbGame.Canvas().Draw(0, 0, backBuffer_); }

std::unique_ptr<CScreenOwner> MakeFormTasmociag(TApplication& app) { return std::make_unique<TFormTasmociag>(app); }
