// The input loop of an open game and what the keys do in the menu and while playing.

#include "plugins/game/core/BlocksbyPlugin.h"

#include "plugins/game/core/Messages.h"
#include "plugins/game/core/OptionsMenu.h"
#include "plugins/game/core/ScoreDialogs.h"

#include <algorithm>

namespace blocksby {
namespace {

constexpr std::uint32_t TickMilliseconds = 50;
constexpr std::uint32_t IdleSleepMilliseconds = 10;

bool WithControlState(const ConsoleEvent& event) {
    return (event.controlKeyState & ControlKeyStateMask) != 0;
}

} // namespace

void BlocksbyPlugin::RunLoop() {
    GameState& state = engine_.State();
    for (;;) {
        const std::uint32_t start = console_->TickCount();
        ConsoleEvent event;
        bool waiting = false;
        for (;;) {
            waiting = console_->PeekEvent(event);
            if (console_->TickCount() - start >= TickMilliseconds) {
                ++ticks_;
                break;
            }
            if (quit_ || waiting) {
                break;
            }
            if (state.dropping) {
                engine_.Step();
            } else {
                console_->Sleep(IdleSleepMilliseconds);
            }
        }

        if (waiting) {
            if (!console_->ReadEvent(event) || quit_) {
                return;
            }
            if (mode_ == Mode::Menu) {
                MenuKey(event);
                continue;
            }
            GameKey(event);
        } else if (mode_ == Mode::Menu) {
            continue;
        } else if (quit_) {
            return;
        }
        if (mode_ == Mode::Playing && ticks_ >= state.delay) {
            engine_.Step();
        }
    }
}

void BlocksbyPlugin::MenuKey(const ConsoleEvent& event) {
    if (!event.IsKeyDown()) {
        return;
    }
    GameState& state = engine_.State();
    switch (event.virtualKey) {
    case vk::Tab:
        if (WithControlState(event)) {
            quit_ = true;
            mode_ = Mode::Menu;
        }
        return;
    case vk::Escape:
    case vk::F10:
        quit_ = true;
        return;
    case vk::F1:
        ToggleShowNext();
        screen_.Flush();
        return;
    case vk::F2:
        engine_.NewGame();
        break;
    case vk::F12:
        ShowScoreTable(host_, scores_, state.score);
        break;
    case vk::F9:
        OpenOptions();
        break;
    case vk::F8:
        keys_ = GameKeys{};
        state.linesPerSpeedUp = DefaultLinesPerSpeedUp;
        screen_.DrawStatus(host_.Msg(msg::PausedStatus), colour::Paused);
        break;
    case vk::NumpadAdd:
        state.startDelay = std::min(state.startDelay + 1, MaxDelay);
        state.delay = state.startDelay;
        break;
    case vk::NumpadSubtract:
        state.startDelay = std::max(state.startDelay - 1, 0);
        state.delay = state.startDelay;
        break;
    case vk::PageUp:
        if (state.linesPerSpeedUp < MaxLinesPerSpeedUp) {
            state.linesPerSpeedUp += LinesPerSpeedUpStep;
        }
        break;
    case vk::PageDown:
        if (state.linesPerSpeedUp > MinLinesPerSpeedUp) {
            state.linesPerSpeedUp -= LinesPerSpeedUpStep;
        }
        break;
    case vk::Return:
        StartPlaying();
        break;
    default:
        return;
    }
    RedrawNumbers();
    screen_.Flush();
}

void BlocksbyPlugin::GameKey(const ConsoleEvent& event) {
    if (!event.IsKeyDown()) {
        return;
    }
    GameState& state = engine_.State();
    const std::uint16_t key = event.virtualKey;
    if (key == vk::Escape || key == vk::F10) {
        Pause(colour::Paused, true);
        return;
    }
    if (key == vk::F1) {
        ToggleShowNext();
        screen_.Flush();
        return;
    }
    if (key == vk::NumpadAdd || key == vk::NumpadSubtract) {
        state.delay = std::clamp(state.delay + (key == vk::NumpadAdd ? 1 : -1), 0, MaxDelay);
        RedrawNumbers();
    } else if (key == vk::Tab && WithControlState(event)) {
        quit_ = true;
        mode_ = Mode::Menu;
    } else if (key == keys_.left) {
        engine_.MoveLeft();
    } else if (key == keys_.right) {
        engine_.MoveRight();
    } else if (key == keys_.allLeft) {
        engine_.MoveAllLeft();
    } else if (key == keys_.allRight) {
        engine_.MoveAllRight();
    } else if (key == keys_.rotate) {
        engine_.Rotate();
    } else if (key == keys_.swap) {
        engine_.Swap();
    } else if (key == keys_.drop) {
        engine_.Drop();
    }
    RedrawBoard();
    screen_.Flush();
}

void BlocksbyPlugin::ToggleShowNext() {
    GameState& state = engine_.State();
    state.showNext = !state.showNext;
    if (state.showNext) {
        screen_.DrawPreview(state.nextPiece);
    } else {
        screen_.ErasePreview(state.nextPiece);
    }
}

void BlocksbyPlugin::Pause(int statusColour, bool hints) {
    mode_ = Mode::Menu;
    screen_.DrawStatus(host_.Msg(msg::PausedStatus), statusColour);
    RedrawNumbers();
    if (hints) {
        screen_.DrawHints(false);
    }
    screen_.Flush();
}

void BlocksbyPlugin::StartPlaying() {
    mode_ = Mode::Playing;
    screen_.DrawHints(true);
    screen_.DrawStatus(host_.Msg(msg::PlayingStatus), colour::Playing);
}

void BlocksbyPlugin::OpenOptions() {
    RunOptionsMenu(host_, *console_, screen_, Options{engine_.State(), keys_, colourMode_});
    RedrawBoard();
    console_->SetCursorVisible(false);
    screen_.DrawStatus(host_.Msg(msg::PausedStatus), colour::Paused);
}

} // namespace blocksby
