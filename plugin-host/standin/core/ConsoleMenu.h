#pragma once

// The host's menu on the console: the cursor moves over the items (skipping separators, wrapping
// from the last item to the first with MenuWrapMode), Enter chooses, Esc and F10 cancel, typing
// the hot key of an item (the character after its '&') chooses it, and a break key of the plug-in
// closes the menu reporting which one it was.

#include "plugin-host/standin/core/HostUi.h"
#include "plugin-host/standin/core/Keys.h"
#include "plugin-host/standin/core/VirtualScreen.h"

namespace ulvar::standin {

class ConsoleMenu {
public:
    enum class State { Open, Chosen, Cancelled, Broken };

    ConsoleMenu(const MenuShown& menu, int screenWidth, int screenHeight);

    State Key(const KeyPress& key);
    State GetState() const { return state_; }
    int Current() const { return current_; }
    // The item chosen (or current when a break key closed it) and the break key's index.
    MenuAnswer Answer() const;
    void Draw(VirtualScreen& screen) const;

    // Where the frame goes: (left, top)-(right, bottom).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }

private:
    bool Selectable(int index) const;
    // The selectable item whose hot key is typed, or -1.
    int HotItem(char typed) const;
    void Move(int step);
    void MoveTo(int index, int step);

    MenuShown menu_;
    State state_ = State::Open;
    int current_ = -1;
    int breakCode_ = -1;
    int first_ = 0; // the first item shown when they do not all fit
    int rows_ = 0;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

} // namespace ulvar::standin
