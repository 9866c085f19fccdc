#include "plugins/startup/ulvarplus/DialogBuilder.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ulvarplus {

namespace {

int TextLength(const ulvar::DialogItem& item) {
    return static_cast<int>(std::strlen(item.Data));
}

bool IsSeparator(const ulvar::DialogItem& item) {
    return item.Type == ulvar::DialogText && (item.Flags & ulvar::DialogSeparator) != 0;
}

bool IsBox(const ulvar::DialogItem& item) {
    return item.Type == ulvar::DialogSingleBox || item.Type == ulvar::DialogDoubleBox;
}

} // namespace

DialogBuilder::DialogBuilder(const HostRecord& host, const MessageText& title,
                             std::string helpTopic)
    : host_(host), helpTopic_(std::move(helpTopic)) {
    Add(ulvar::DialogDoubleBox, Resolve(title), Extra{});
}

std::string DialogBuilder::Resolve(const MessageText& text) const {
    if (auto const* number = std::get_if<int>(&text))
        return host_.Msg(*number);
    return std::get<std::string>(text);
}

int DialogBuilder::Add(int type, const std::string& text, Extra extra, std::uint32_t flags) {
    items_.push_back(ulvar::kit::MakeDialogItem(type, 0, 0, 0, 0, text, flags));
    extras_.push_back(extra);
    return static_cast<int>(items_.size()) - 1;
}

int DialogBuilder::Text(const MessageText& text, int column, bool newLine) {
    Extra extra;
    extra.column = column;
    extra.newLine = newLine;
    return Add(ulvar::DialogText, Resolve(text), extra);
}

int DialogBuilder::Separator() {
    return Add(ulvar::DialogText, "", Extra{}, ulvar::DialogSeparator);
}

int DialogBuilder::Edit(const std::string& text, int width, const char* history, int column,
                        std::uint32_t flags, std::string* binding) {
    Extra extra;
    extra.column = column;
    extra.width = width;
    extra.text = binding;
    if (history)
        flags |= ulvar::DialogHistory;
    int const index = Add(ulvar::DialogEdit, text, extra, flags);
    items_[static_cast<std::size_t>(index)].History = history;
    return index;
}

int DialogBuilder::NumberEdit(std::uint32_t& binding, int width, int column, bool newLine) {
    Extra extra;
    extra.column = column;
    extra.width = width;
    extra.newLine = newLine;
    extra.number = &binding;
    return Add(ulvar::DialogFixEdit, std::to_string(binding), extra);
}

int DialogBuilder::CheckBox(const MessageText& text, std::uint32_t& binding, int column) {
    Extra extra;
    extra.column = column;
    extra.check = &binding;
    int const index = Add(ulvar::DialogCheckBox, Resolve(text), extra);
    items_[static_cast<std::size_t>(index)].Selected = binding != 0 ? 1 : 0;
    return index;
}

int DialogBuilder::Radio(const MessageText& text, bool selected, bool groupStart, int column) {
    Extra extra;
    extra.column = column;
    int const index = Add(ulvar::DialogRadioButton, Resolve(text), extra,
                          groupStart ? std::uint32_t{ulvar::DialogGroup} : std::uint32_t{0});
    items_[static_cast<std::size_t>(index)].Selected = selected ? 1 : 0;
    return index;
}

int DialogBuilder::Button(const MessageText& text, bool storeOnExit, int column) {
    Extra extra;
    extra.column = column;
    extra.storeOnExit = storeOnExit;
    return Add(ulvar::DialogButton, Resolve(text), extra);
}

void DialogBuilder::Layout() {
    int row = TopMargin;
    int lowest = row;
    int widest = 0;
    for (std::size_t i = 1; i < items_.size(); ++i) {
        auto& item = items_[i];
        Extra const& extra = extras_[i];
        item.Flags &= ~static_cast<std::uint32_t>(ulvar::DialogCenterGroup);
        bool const previousIsButton = items_[i - 1].Type == ulvar::DialogButton && i > 1;
        if (extra.column == AutoColumn) {
            ++row;
            item.X1 = IsSeparator(item) ? -1 : Border + 3;
        } else if (extra.column == CentreColumn) {
            item.Flags |= ulvar::DialogCenterGroup;
            item.X1 = 0;
            if (previousIsButton)
                items_[i - 1].Flags |= ulvar::DialogCenterGroup;
            else
                ++row;
        } else {
            if (extra.newLine)
                ++row;
            item.X1 = extra.column + Border + 3;
        }
        item.Y1 = row;
        item.Y2 = row + (IsBox(item) ? extra.height : 0);
        item.X2 = extra.width > 0 ? item.X1 + extra.width - 1 : 0;
        lowest = std::max(lowest, item.Y2);

        int edge = 0;
        if (extra.width > 0)
            edge = item.X2;
        else if (IsSeparator(item))
            edge = 3 + TextLength(item) + 1;
        else if (item.Type == ulvar::DialogText)
            edge = item.X1 + TextLength(item);
        else if (item.Type == ulvar::DialogCheckBox || item.Type == ulvar::DialogRadioButton)
            edge = item.X1 + TextLength(item) + 4;
        widest = std::max(widest, edge);
    }

    for (auto& item : items_) {
        item.DefaultButton = 0;
        item.Focus = 0;
    }
    int defaultButton = default_;
    for (std::size_t i = 1; defaultButton < 0 && i < items_.size(); ++i)
        if (items_[i].Type == ulvar::DialogButton)
            defaultButton = static_cast<int>(i);
    if (defaultButton > 0)
        items_[static_cast<std::size_t>(defaultButton)].DefaultButton = 1;
    int focus = focus_;
    for (std::size_t i = 1; focus < 0 && i < items_.size(); ++i)
        if (items_[i].Type != ulvar::DialogText && !IsBox(items_[i]))
            focus = static_cast<int>(i);
    if (focus > 0)
        items_[static_cast<std::size_t>(focus)].Focus = 1;

    auto& frame = items_[0];
    frame.X1 = Border + 1;
    frame.Y1 = 1;
    frame.X2 = widest + 2;
    frame.Y2 = lowest + 1;
    width_ = frame.X2 + 4;
    height_ = frame.Y2 + 2;
}

bool DialogBuilder::Store(int& failing) {
    for (std::size_t i = 1; i < items_.size(); ++i) {
        auto const& item = items_[i];
        Extra const& extra = extras_[i];
        if (extra.text)
            *extra.text = item.Data;
        if (extra.number) {
            std::uint32_t value = 0;
            char const* const end = item.Data + std::strlen(item.Data);
            auto const parsed = std::from_chars(item.Data, end, value);
            if (item.Data == end || parsed.ec != std::errc() || parsed.ptr != end) {
                failing = static_cast<int>(i);
                return false;
            }
            *extra.number = value;
        }
        if (extra.check)
            *extra.check = item.Selected != 0 ? 1 : 0;
    }
    return true;
}

int DialogBuilder::Run() {
    Layout();
    for (;;) {
        int const closing = host_.Services().Dialog(
            width_, height_, items_, helpTopic_.empty() ? nullptr : helpTopic_.c_str());
        if (closing < 0 || closing >= static_cast<int>(items_.size()))
            return -1;
        if (!extras_[static_cast<std::size_t>(closing)].storeOnExit)
            return closing;
        int failing = -1;
        if (Store(failing))
            return closing;
        for (auto& item : items_)
            item.Focus = 0;
        items_[static_cast<std::size_t>(failing)].Focus = 1;
    }
}

int RadioGroup::Add(const MessageText& text) {
    int const position = static_cast<int>(items_.size());
    int const index = dialog_.Radio(text, position == initial_, items_.empty());
    items_.push_back(index);
    return index;
}

int RadioGroup::Selection() const {
    auto const& items = dialog_.Items();
    for (std::size_t position = 0; position < items_.size(); ++position)
        if (items[static_cast<std::size_t>(items_[position])].Selected)
            return static_cast<int>(position);
    return -1;
}

} // namespace ulvarplus
