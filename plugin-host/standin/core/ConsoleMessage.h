#pragma once

// The host's message box on the console: the title in the frame, the lines centred (or at the
// left with MessageLeftAlign), a row of buttons; Left and Right (Tab, Shift+Tab) move between the
// buttons, Enter or Space presses one, Esc and F10 cancel. A message without buttons stays on
// the screen and does not wait: it is closed (answering -1) as soon as it is drawn.

#include "plugin-host/standin/core/HostUi.h"
#include "plugin-host/standin/core/Keys.h"
#include "plugin-host/standin/core/VirtualScreen.h"

namespace ulvar::standin {

class ConsoleMessage {
public:
    enum class State { Open, Closed };

    ConsoleMessage(const MessageShown& message, int screenWidth, int screenHeight);

    State Key(const KeyPress& key);
    State GetState() const { return state_; }
    int Result() const { return result_; }
    int Current() const { return current_; }
    void Draw(VirtualScreen& screen) const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }

private:
    MessageShown message_;
    State state_ = State::Open;
    int result_ = -1;
    int current_ = 0;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

} // namespace ulvar::standin
