// Image buttons over a still background.
#include "controls/CPrzyciskP.h"

#include "platform/Canvas.h"

CPrzyciskP::CPrzyciskP(TForm& form, std::string_view baseName, TCanvas& target, const Bitmap& background,
                       int left, int top, TAction* action)
    : ImageButtonBase(form, baseName, left, top),
      target_(&target),
      background_(&background),
      buffer_(Width(), Height())
{
    if (action != nullptr)
        SetAction(action);
    Cursor = crHand;
    SetReady();
}

void CPrzyciskP::SetPosition(int left, int top)
{
    SetBounds(left < 0 ? Left() : left, top < 0 ? Top() : top, Width(), Height());
}

void CPrzyciskP::SetVisible(bool visible)
{
    if (visible == Visible())
        return;
    TControl::SetVisible(visible);
    if (!Ready())
        return;
    if (visible)
        ShowState(ButtonState::Normal);
    else
        target_->CopyRect(BoundsRect(), *background_, BoundsRect());
}

void CPrzyciskP::Paint(TCanvas&)
{
    if (Ready())
        ShowState(ButtonState::Normal);
}

void CPrzyciskP::DrawState(ButtonState state)
{
    const TRect local = buffer_.Bounds();
    buffer_.CopyRect(local, *background_, BoundsRect());
    Pictures().Compose(buffer_, 0, 0, state);
    target_->CopyRect(BoundsRect(), buffer_, local);
}
