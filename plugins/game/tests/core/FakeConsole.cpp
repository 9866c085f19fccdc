#include "plugins/game/tests/core/FakeConsole.h"

namespace blocksby::test {

void FakeConsole::KeyDown(std::uint16_t virtualKey, std::uint32_t controlKeyState) {
    Item item;
    item.event = ConsoleEvent{true, true, virtualKey, controlKeyState};
    script_.push_back(std::move(item));
}

void FakeConsole::KeyUp(std::uint16_t virtualKey, std::uint32_t controlKeyState) {
    Item item;
    item.event = ConsoleEvent{true, false, virtualKey, controlKeyState};
    script_.push_back(std::move(item));
}

void FakeConsole::Press(std::uint16_t virtualKey, std::uint32_t controlKeyState) {
    KeyDown(virtualKey, controlKeyState);
    KeyUp(virtualKey, controlKeyState);
}

void FakeConsole::OtherEvent() {
    script_.push_back(Item{});
}

void FakeConsole::Wait(std::uint32_t milliseconds) {
    Item item;
    item.kind = Item::Kind::Wait;
    item.milliseconds = milliseconds;
    script_.push_back(std::move(item));
}

void FakeConsole::Then(std::function<void()> action) {
    Item item;
    item.kind = Item::Kind::Action;
    item.action = std::move(action);
    script_.push_back(std::move(item));
}

void FakeConsole::PauseAndLeave() {
    Press(vk::Escape);
    Leave();
}

void FakeConsole::Leave() {
    KeyDown(vk::Escape);
    KeyUp(vk::Escape);
}

bool FakeConsole::BufferSize(int& w, int& h) {
    w = width;
    h = height;
    return true;
}

void FakeConsole::SetTitle(const std::string& ansiTitle) {
    title = ansiTitle;
    titlesSet.push_back(ansiTitle);
}

bool FakeConsole::Head(ConsoleEvent& event, bool block) {
    while (!script_.empty()) {
        Item& head = script_.front();
        if (head.kind == Item::Kind::Action) {
            auto action = std::move(head.action);
            script_.pop_front();
            action();
            continue;
        }
        if (head.kind == Item::Kind::Wait) {
            if (!head.waiting) {
                head.waiting = true;
                head.until = ticks + head.milliseconds;
            }
            if (static_cast<std::int32_t>(ticks - head.until) < 0) {
                if (!block) {
                    return false;
                }
                ticks = head.until; // a blocking read waits the pause out
            }
            script_.pop_front();
            continue;
        }
        event = head.event;
        return true;
    }
    ++scriptRanOut;
    event = ConsoleEvent{true, true, vk::Escape, 0};
    return true;
}

bool FakeConsole::PeekEvent(ConsoleEvent& event) {
    return Head(event, false);
}

bool FakeConsole::ReadEvent(ConsoleEvent& event) {
    const bool got = Head(event, true);
    if (got && !script_.empty()) {
        script_.pop_front();
    }
    return got;
}

} // namespace blocksby::test
