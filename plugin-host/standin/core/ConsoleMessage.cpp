#include "plugin-host/standin/core/ConsoleMessage.h"

#include "plugin-host/standin/core/ScreenDrawing.h"

#include <algorithm>

namespace ulvar::standin {

namespace {

constexpr int MessageColour = 0x70;
constexpr int WarningColour = 0x4F;
constexpr int ButtonFocusColour = 0x30;
constexpr int WarningButtonFocusColour = 0x70;

std::string ButtonLabel(const std::string& text) {
    return " " + WithoutAmpersands(text) + " ";
}

int ButtonsWidth(const std::vector<std::string>& buttons) {
    int width = -1;
    for (auto const& button : buttons)
        width += static_cast<int>(ButtonLabel(button).size()) + 1;
    return std::max(width, 0);
}

} // namespace

ConsoleMessage::ConsoleMessage(const MessageShown& message, int screenWidth, int screenHeight)
    : message_(message) {
    if (message_.lines.empty())
        message_.lines.emplace_back();
    int textWidth = ButtonsWidth(message_.buttons);
    for (auto const& line : message_.lines)
        textWidth = std::max(textWidth, static_cast<int>(line.size()));
    int const width = std::min(textWidth + 6, screenWidth);
    int const lines = static_cast<int>(message_.lines.size()) - 1;
    int const height = std::min(lines + 2 + (message_.buttons.empty() ? 0 : 2), screenHeight);
    left_ = (screenWidth - width) / 2;
    top_ = (screenHeight - height) / 2;
    right_ = left_ + width - 1;
    bottom_ = top_ + height - 1;
    if (message_.buttons.empty())
        state_ = State::Closed;
}

ConsoleMessage::State ConsoleMessage::Key(const KeyPress& key) {
    if (state_ != State::Open)
        return state_;
    int const count = static_cast<int>(message_.buttons.size());
    bool const back = key.key == vk::Left || (key.key == vk::Tab && (key.state & KeyShift));
    bool const forward = key.key == vk::Right || (key.key == vk::Tab && !(key.state & KeyShift));
    if (back)
        current_ = (current_ + count - 1) % count;
    else if (forward)
        current_ = (current_ + 1) % count;
    else if (key.key == vk::Return || key.key == vk::Space)
        result_ = current_, state_ = State::Closed;
    else if (key.key == vk::Escape || key.key == vk::F10)
        result_ = -1, state_ = State::Closed;
    return state_;
}

void ConsoleMessage::Draw(VirtualScreen& screen) const {
    bool const warning = (message_.flags & MessageWarning) != 0;
    int const colour = warning ? WarningColour : MessageColour;
    DrawBox(screen, left_, top_, right_, bottom_, true, colour, message_.lines.front());
    int const inner = right_ - left_ - 1;
    for (std::size_t i = 1; i < message_.lines.size(); ++i) {
        auto const& line = message_.lines[i];
        int const x = (message_.flags & MessageLeftAlign)
                          ? left_ + 3
                          : left_ + 1 + std::max((inner - static_cast<int>(line.size())) / 2, 0);
        screen.Write(x, top_ + static_cast<int>(i), colour, Fit(line, right_ - x));
    }
    if (message_.buttons.empty())
        return;
    DrawSeparator(screen, left_, right_, bottom_ - 2, colour);
    int x = left_ + 1 + (inner - ButtonsWidth(message_.buttons)) / 2;
    for (int i = 0; i < static_cast<int>(message_.buttons.size()); ++i) {
        std::string const label = ButtonLabel(message_.buttons[static_cast<std::size_t>(i)]);
        int const focus = warning ? WarningButtonFocusColour : ButtonFocusColour;
        screen.Write(x, bottom_ - 1, i == current_ ? focus : colour, label);
        x += static_cast<int>(label.size()) + 1;
    }
}

} // namespace ulvar::standin
