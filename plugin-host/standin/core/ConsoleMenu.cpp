#include "plugin-host/standin/core/ConsoleMenu.h"

#include "plugin-host/standin/core/ScreenDrawing.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace ulvar::standin {

namespace {

constexpr int MenuColour = 0x30;
constexpr int CurrentColour = 0x0F;

} // namespace

ConsoleMenu::ConsoleMenu(const MenuShown& menu, int screenWidth, int screenHeight) : menu_(menu) {
    int const count = static_cast<int>(menu_.items.size());
    for (int i = 0; i < count && current_ < 0; ++i)
        if (menu_.items[i].Selected && Selectable(i))
            current_ = i;
    for (int i = 0; i < count && current_ < 0; ++i)
        if (Selectable(i))
            current_ = i;

    int textWidth =
        std::max(static_cast<int>(menu_.title.size()), static_cast<int>(menu_.bottom.size())) + 2;
    for (auto const& item : menu_.items)
        textWidth = std::max(textWidth, static_cast<int>(WithoutAmpersands(item.Text).size()) + 2);
    int const width = std::min(textWidth + 4, screenWidth);
    int maxRows = screenHeight - 4;
    if (menu_.maxHeight > 0)
        maxRows = std::min(maxRows, menu_.maxHeight);
    rows_ = std::max(std::min(count, maxRows), 1);
    int const height = rows_ + 2;
    left_ = menu_.x >= 0 ? std::min(menu_.x, screenWidth - width) : (screenWidth - width) / 2;
    top_ = menu_.y >= 0 ? std::min(menu_.y, screenHeight - height) : (screenHeight - height) / 2;
    right_ = left_ + width - 1;
    bottom_ = top_ + height - 1;
    if (current_ >= rows_)
        first_ = current_ - rows_ + 1;
}

bool ConsoleMenu::Selectable(int index) const {
    return index >= 0 && index < static_cast<int>(menu_.items.size()) &&
           !menu_.items[static_cast<std::size_t>(index)].Separator;
}

void ConsoleMenu::MoveTo(int index, int step) {
    int const count = static_cast<int>(menu_.items.size());
    for (int i = index; i >= 0 && i < count; i += step)
        if (Selectable(i)) {
            current_ = i;
            break;
        }
    if (current_ < first_)
        first_ = current_;
    if (current_ >= first_ + rows_)
        first_ = current_ - rows_ + 1;
}

void ConsoleMenu::Move(int step) {
    int const count = static_cast<int>(menu_.items.size());
    bool const wrap = (menu_.flags & MenuWrapMode) != 0;
    for (int i = current_ + step, tried = 0; tried < count; i += step, ++tried) {
        if (i < 0 || i >= count) {
            if (!wrap)
                return;
            i = i < 0 ? count - 1 : 0;
        }
        if (Selectable(i)) {
            MoveTo(i, step);
            return;
        }
    }
}

ConsoleMenu::State ConsoleMenu::Key(const KeyPress& key) {
    if (state_ != State::Open)
        return state_;
    int const pressed = MakeBreakKey(key.key, key.state & ModifierMask);
    for (std::size_t i = 0; i < menu_.breakKeys.size(); ++i)
        if (menu_.breakKeys[i] == pressed) {
            breakCode_ = static_cast<int>(i);
            return state_ = State::Broken;
        }
    switch (key.key) {
    case vk::Up:
        Move(-1);
        break;
    case vk::Down:
        Move(1);
        break;
    case vk::Home:
    case vk::PageUp:
        MoveTo(0, 1);
        break;
    case vk::End:
    case vk::PageDown:
        MoveTo(static_cast<int>(menu_.items.size()) - 1, -1);
        break;
    case vk::Return:
        if (current_ >= 0)
            state_ = State::Chosen;
        break;
    case vk::Escape:
    case vk::F10:
        state_ = State::Cancelled;
        break;
    default:
        if (int const hot = HotItem(key.ch); hot >= 0) {
            current_ = hot;
            state_ = State::Chosen;
        }
        break;
    }
    return state_;
}

int ConsoleMenu::HotItem(char typed) const {
    if (static_cast<unsigned char>(typed) <= 0x20)
        return -1;
    auto const lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    for (int i = 0; i < static_cast<int>(menu_.items.size()); ++i) {
        if (!Selectable(i))
            continue;
        const char* amp = std::strchr(menu_.items[static_cast<std::size_t>(i)].Text, '&');
        if (amp && amp[1] && lower(amp[1]) == lower(typed))
            return i;
    }
    return -1;
}

MenuAnswer ConsoleMenu::Answer() const {
    switch (state_) {
    case State::Chosen:
        return {current_, -1};
    case State::Broken:
        return {current_, breakCode_};
    default:
        return {-1, -1};
    }
}

void ConsoleMenu::Draw(VirtualScreen& screen) const {
    DrawBox(screen, left_, top_, right_, bottom_, true, MenuColour, menu_.title);
    if (!menu_.bottom.empty()) {
        std::string const bottom = " " + menu_.bottom + " ";
        screen.Write(left_ + (right_ - left_ + 1 - static_cast<int>(bottom.size())) / 2, bottom_,
                     MenuColour, bottom);
    }
    int const inner = right_ - left_ - 1;
    for (int row = 0; row < rows_; ++row) {
        int const index = first_ + row;
        if (index >= static_cast<int>(menu_.items.size()))
            break;
        auto const& item = menu_.items[static_cast<std::size_t>(index)];
        int const y = top_ + 1 + row;
        if (item.Separator) {
            DrawSeparator(screen, left_, right_, y, MenuColour);
            continue;
        }
        std::string text = item.Checked ? std::string(1, oem::CheckMark) : std::string(" ");
        text += (menu_.flags & MenuShowAmpersand) ? std::string(item.Text)
                                                  : WithoutAmpersands(item.Text);
        screen.Write(left_ + 1, y, index == current_ ? CurrentColour : MenuColour,
                     Fit(text, inner));
    }
}

} // namespace ulvar::standin
