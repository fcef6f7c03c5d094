// The selection button at the end of a recording row, as the slot list uses
// it: a two-state button whose click runs the row's action. The slot list
// depends only on this, so the button's look can be swapped without touching it.
#pragma once

#include <functional>
#include <memory>

class TAction;
class TCanvas;
class TControl;
class TForm;

class RowCheckButton {
public:
    virtual ~RowCheckButton() = default;

    virtual bool IsChecked() const = 0;
    // Stores the state and draws the matching picture.
    virtual void SetChecked(bool checked) = 0;
    virtual void Toggle() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // The control that receives the clicks.
    virtual TControl& GetControl() = 0;
};

// Makes the button of one row at (left, top) on `owner`, drawing on `canvas`;
// a click on it executes `action`. Failures throw.
using RowCheckButtonFactory = std::function<std::unique_ptr<RowCheckButton>(
    TForm& owner, TCanvas& canvas, int left, int top, TAction& action)>;
