// Paint boxes leave all drawing to their handler.
#include "platform/PaintBox.h"

void TPaintBox::Paint(TCanvas&)
{
    if (OnPaint)
        OnPaint();
}
