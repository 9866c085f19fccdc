#include "plugin-host/standin/core/ConsoleDialog.h"

#include "plugin-host/standin/core/ScreenDrawing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

namespace ulvar::standin {

namespace {

constexpr int DialogColour = 0x70;
constexpr int EditColour = 0x30;
constexpr int FocusColour = 0x30;

int Length(const char* text) {
    return static_cast<int>(std::strlen(text));
}

} // namespace

ConsoleDialog::ConsoleDialog(const DialogShown& dialog, int screenWidth, int screenHeight)
    : items_(dialog.items), histories_(dialog.histories) {
    histories_.resize(items_.size());
    int const width = dialog.x1 < 0 ? dialog.x2 : dialog.x2 - dialog.x1 + 1;
    int const height = dialog.y1 < 0 ? dialog.y2 : dialog.y2 - dialog.y1 + 1;
    left_ = dialog.x1 < 0 ? (screenWidth - width) / 2 : dialog.x1;
    top_ = dialog.y1 < 0 ? (screenHeight - height) / 2 : dialog.y1;
    right_ = left_ + width - 1;
    bottom_ = top_ + height - 1;

    // Columns: centred texts and centred groups of buttons are placed across the dialog.
    int const count = static_cast<int>(items_.size());
    x_.assign(static_cast<std::size_t>(count), 0);
    std::map<int, std::vector<int>> groups; // row -> items centred together
    for (int i = 0; i < count; ++i) {
        auto const& item = items_[i];
        if ((item.Flags & DialogCenterGroup) &&
            (item.Type == DialogButton || item.Type == DialogText)) {
            groups[item.Y1].push_back(i);
        } else if (item.Type == DialogText && item.X1 < 0) {
            x_[i] = left_ + (width - static_cast<int>(Label(i).size())) / 2;
        } else {
            x_[i] = left_ + item.X1;
        }
    }
    for (auto const& [row, members] : groups) {
        int total = -1;
        for (int i : members)
            total += static_cast<int>(Label(i).size()) + 1;
        int x = left_ + (width - total) / 2;
        for (int i : members) {
            x_[i] = x;
            x += static_cast<int>(Label(i).size()) + 1;
        }
    }

    for (int i = 0; i < count && focus_ < 0; ++i)
        if (items_[i].Focus && Focusable(i))
            focus_ = i;
    for (int i = 0; i < count && focus_ < 0; ++i)
        if (Focusable(i))
            focus_ = i;
}

bool ConsoleDialog::IsEdit(int index) const {
    int const type = items_[index].Type;
    return type == DialogEdit || type == DialogPasswordEdit || type == DialogFixEdit;
}

bool ConsoleDialog::Focusable(int index) const {
    auto const& item = items_[index];
    if (item.Flags & DialogDisable)
        return false;
    return IsEdit(index) || item.Type == DialogButton || item.Type == DialogCheckBox ||
           item.Type == DialogRadioButton;
}

std::string ConsoleDialog::Label(int index) const {
    auto const& item = items_[index];
    std::string const text =
        (item.Flags & DialogShowAmpersand) ? std::string(item.Data) : WithoutAmpersands(item.Data);
    switch (item.Type) {
    case DialogButton:
        return (item.Flags & DialogNoBrackets) ? text
               : item.DefaultButton            ? "{ " + text + " }"
                                               : "[ " + text + " ]";
    case DialogCheckBox:
        return std::string(item.Selected == 2 ? "[?] " : item.Selected ? "[x] " : "[ ] ") + text;
    case DialogRadioButton:
        return std::string(item.Selected ? "(*) " : "( ) ") + text;
    default:
        return text;
    }
}

void ConsoleDialog::MoveFocus(int step) {
    int const count = static_cast<int>(items_.size());
    if (focus_ < 0)
        return;
    for (int i = 1; i <= count; ++i) {
        int const index = ((focus_ + step * i) % count + count) % count;
        if (Focusable(index)) {
            focus_ = index;
            return;
        }
    }
}

void ConsoleDialog::Close(int item) {
    result_ = item;
    state_ = State::Closed;
}

void ConsoleDialog::SelectRadio(int index) {
    int first = index;
    while (first > 0 && !(items_[first].Flags & DialogGroup) &&
           items_[first - 1].Type == DialogRadioButton)
        --first;
    for (int i = first;
         i < static_cast<int>(items_.size()) && items_[i].Type == DialogRadioButton &&
         (i == first || !(items_[i].Flags & DialogGroup));
         ++i)
        items_[i].Selected = 0;
    items_[index].Selected = 1;
}

bool ConsoleDialog::StepHistory(int step) {
    if (focus_ < 0 || !IsEdit(focus_) || (items_[focus_].Flags & DialogReadOnly))
        return false;
    auto const& history = histories_[static_cast<std::size_t>(focus_)];
    if (history.empty())
        return false;
    auto& item = items_[focus_];
    if (historyAt_ < 0)
        typed_ = item.Data;
    historyAt_ = std::clamp(historyAt_ + step, -1, static_cast<int>(history.size()) - 1);
    std::string const& text =
        historyAt_ < 0 ? typed_ : history[static_cast<std::size_t>(historyAt_)];
    std::snprintf(item.Data, sizeof item.Data, "%s", text.c_str());
    return true;
}

ConsoleDialog::State ConsoleDialog::Key(const KeyPress& key) {
    if (state_ != State::Open)
        return state_;
    bool const shift = (key.state & KeyShift) != 0;
    if ((key.state & ModifierMask) == KeyCtrl) {
        bool const older = key.key == vk::Up || key.key == 'E';
        bool const newer = key.key == vk::Down || key.key == 'X';
        if ((older || newer) && StepHistory(older ? 1 : -1))
            return state_;
    }
    // Typing, Backspace and moving the focus leave the history: a next step starts from what the
    // edit holds then.
    historyAt_ = -1;
    switch (key.key) {
    case vk::Escape:
        state_ = State::Cancelled;
        return state_;
    case vk::Tab:
        MoveFocus(shift ? -1 : 1);
        return state_;
    case vk::Down:
        MoveFocus(1);
        return state_;
    case vk::Up:
        MoveFocus(-1);
        return state_;
    case vk::Return: {
        if (focus_ >= 0 && (items_[focus_].Type == DialogButton ||
                            (IsEdit(focus_) && (items_[focus_].Flags & DialogEditEnter)))) {
            Close(focus_);
            return state_;
        }
        for (int i = 0; i < static_cast<int>(items_.size()); ++i)
            if (items_[i].DefaultButton) {
                Close(i);
                return state_;
            }
        Close(focus_);
        return state_;
    }
    default:
        break;
    }
    if (focus_ < 0)
        return state_;
    auto& item = items_[focus_];
    if (IsEdit(focus_)) {
        if (item.Flags & DialogReadOnly)
            return state_;
        int const length = Length(item.Data);
        if (key.key == vk::Back) {
            if (length > 0)
                item.Data[length - 1] = '\0';
        } else if (static_cast<unsigned char>(key.ch) >= 0x20) {
            int const limit = item.Type == DialogFixEdit && item.X2 >= item.X1
                                  ? item.X2 - item.X1 + 1
                                  : static_cast<int>(sizeof item.Data) - 1;
            bool const allowed = !(item.Flags & DialogMask) || !item.Mask ||
                                 std::strchr(item.Mask, key.ch) != nullptr;
            if (length < limit && allowed) {
                item.Data[length] = key.ch;
                item.Data[length + 1] = '\0';
            }
        }
        return state_;
    }
    if (key.key == vk::Space) {
        if (item.Type == DialogCheckBox)
            item.Selected = item.Selected ? 0 : 1;
        else if (item.Type == DialogRadioButton)
            SelectRadio(focus_);
        else if (item.Type == DialogButton)
            Close(focus_);
    }
    return state_;
}

void ConsoleDialog::Draw(VirtualScreen& screen) const {
    screen.Fill(left_, top_, right_, bottom_, ' ', DialogColour);
    screen.SetCursor(0, 0, false);
    int boxLeft = left_ + 3, boxRight = right_ - 3;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        auto const& item = items_[i];
        int const y = top_ + item.Y1;
        int const colour = (item.Flags & DialogSetColor)
                               ? static_cast<int>(item.Flags & DialogColorMask)
                               : DialogColour;
        switch (item.Type) {
        case DialogDoubleBox:
        case DialogSingleBox:
            boxLeft = left_ + item.X1;
            boxRight = left_ + item.X2;
            DrawBox(screen, boxLeft, y, boxRight, top_ + item.Y2, item.Type == DialogDoubleBox,
                    DialogColour, item.Data, (item.Flags & DialogLeftText) != 0);
            break;
        case DialogText:
            if (item.Flags & (DialogSeparator | DialogSeparator2))
                DrawSeparator(screen, boxLeft, boxRight, y, DialogColour, item.Data,
                              (item.Flags & DialogSeparator2) != 0);
            else
                screen.Write(x_[i], y, colour, Label(i));
            break;
        case DialogVText: {
            std::string const text = Label(i);
            for (int k = 0; k < static_cast<int>(text.size()); ++k)
                screen.Write(x_[i], y + k, colour, text.substr(static_cast<std::size_t>(k), 1));
            break;
        }
        case DialogEdit:
        case DialogPasswordEdit:
        case DialogFixEdit: {
            int const width =
                item.X2 >= item.X1 ? item.X2 - item.X1 + 1 : std::max(Length(item.Data), 1);
            std::string text = item.Data;
            if (item.Type == DialogPasswordEdit)
                text.assign(text.size(), '*');
            // Long texts show their end, where typing goes.
            if (static_cast<int>(text.size()) >= width)
                text = text.substr(text.size() - static_cast<std::size_t>(width - 1));
            screen.Write(x_[i], y, EditColour, Fit(text, width));
            if (i == focus_)
                screen.SetCursor(x_[i] + static_cast<int>(text.size()), y, true);
            break;
        }
        default:
            screen.Write(x_[i], y, i == focus_ ? FocusColour : colour, Label(i));
            break;
        }
    }
}

} // namespace ulvar::standin
