// A picture button of the memory screen that composes onto the screen's back
// buffer: normal, hover and pressed pictures and a mask from the picture
// library, and a click area bound to an action.
#pragma once

#include <memory>
#include <string>

#include "platform/Bitmap.h"

class TAction;
class TControl;
class TForm;

class MemoryButton {
public:
    static constexpr int kWidth = 70;
    static constexpr int kHeight = 60;

    // Raises CBlad(1) when a picture of the library is missing or damaged.
    MemoryButton(TForm& form, const std::string& baseName, Bitmap& canvas, int left, int top, TAction& action);
    ~MemoryButton();
    MemoryButton(const MemoryButton&) = delete;
    MemoryButton& operator=(const MemoryButton&) = delete;

    bool Visible() const;
    void Show();
    void Hide();
    TRect Rect() const;
    TControl& Control() const { return *control_; }
    // Composes the current picture onto the canvas when the button is visible.
    void Draw();

private:
    enum Picture { kNormal, kHover, kPressed };
    void ShowPicture(Picture picture);
    void Compose();

    TForm& form_;
    Bitmap& canvas_;
    Bitmap pictures_[3];
    Bitmap mask_;
    Picture current_ = kNormal;
    std::unique_ptr<TControl> control_;
};
