#pragma once

// The host's dialog on the console. Item coordinates are relative to the dialog's corner; a
// dialog whose x1 (y1) is -1 is centred with x2 (y2) as its width (height). Tab and Down move the
// focus forward, Shift+Tab and Up back; typing and Backspace edit the focused edit; Space toggles a
// check box, selects a radio button (clearing the others of its group) or presses a button; Enter
// presses the focused button, closes with an edit marked DialogEditEnter, or else closes with the
// default button; Esc cancels. In an edit with a history list, Ctrl+Up (Ctrl+E) brings back the
// next older text, Ctrl+Down (Ctrl+X) the next newer one, down to the text typed.

#include "plugin-host/standin/core/HostUi.h"
#include "plugin-host/standin/core/Keys.h"
#include "plugin-host/standin/core/VirtualScreen.h"

#include <string>
#include <vector>

namespace ulvar::standin {

class ConsoleDialog {
public:
    enum class State { Open, Closed, Cancelled };

    ConsoleDialog(const DialogShown& dialog, int screenWidth, int screenHeight);

    State Key(const KeyPress& key);
    State GetState() const { return state_; }
    // The closing item, or -1.
    int Result() const { return state_ == State::Closed ? result_ : -1; }
    int Focus() const { return focus_; }
    const std::vector<DialogItem>& Items() const { return items_; }
    // Draws the dialog and puts the screen's cursor into the focused edit (hidden otherwise).
    void Draw(VirtualScreen& screen) const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }

private:
    bool Focusable(int index) const;
    bool IsEdit(int index) const;
    void MoveFocus(int step);
    void Close(int item);
    void SelectRadio(int index);
    std::string Label(int index) const;
    // Steps through the focused edit's history: +1 older, -1 newer. False without a history.
    bool StepHistory(int step);

    std::vector<DialogItem> items_;
    std::vector<int> x_; // each item's screen column
    State state_ = State::Open;
    int result_ = -1;
    int focus_ = -1;
    std::vector<std::vector<std::string>> histories_;
    int historyAt_ = -1; // the entry shown in the focused edit, -1 for the text typed
    std::string typed_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

} // namespace ulvar::standin
