// A row selection button drawn with plain shapes (a white box that shows a
// mark when checked), for forms that have no library pictures.
#pragma once

#include "platform/PaintBox.h"
#include "recording/RowCheckButton.h"

class DrawnRowCheckButton final : public RowCheckButton {
public:
    static constexpr int kSize = 22;

    DrawnRowCheckButton(TForm& owner, int left, int top, TAction& action);

    bool IsChecked() const override { return checked_; }
    void SetChecked(bool checked) override;
    void Toggle() override { SetChecked(!checked_); }
    void Show() override { box_.Show(); }
    void Hide() override { box_.Hide(); }
    TControl& GetControl() override { return box_; }

    static RowCheckButtonFactory Factory();

private:
    void Draw();

    TPaintBox box_;
    bool checked_ = false;
};
