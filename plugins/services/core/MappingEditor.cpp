#include "plugins/services/core/MappingEditor.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr char VerticalLine = '\xB3'; // OEM box drawing
constexpr int MenuColumns = 56;

std::string Padded(std::string text, int width) {
    if (static_cast<int>(text.size()) > width)
        text.resize(static_cast<std::size_t>(std::max(0, width)));
    text.append(static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

int Longest(const MessageFn& msg, int first, int last) {
    int longest = 1; // "*"
    for (int number = first; number <= last; ++number)
        longest = std::max(longest, static_cast<int>(msg(number).size()));
    return longest;
}

bool FullySpecified(const AttrMapping& m) {
    return m.startup != Any && m.status != Any;
}

bool AnyForBoth(const AttrMapping& m) {
    return m.startup == Any && m.status == Any;
}

} // namespace

MappingColumns MappingColumnWidths(const MessageFn& msg) {
    MappingColumns columns{Longest(msg, 186, 190), Longest(msg, 191, 193)};
    const int sum = columns.startup + columns.status;
    if (sum > MenuColumns) {
        columns.startup -= (sum - 55) / 2;
        columns.status -= (sum - 56) / 2;
    }
    return columns;
}

std::string AttributeLetters(std::uint16_t attributes) {
    static constexpr char Letters[] = "RHSAC";
    std::string text;
    for (int i = 0; i < 5; ++i)
        text += (attributes & mapdlg::AttributeBits[i]) ? Letters[i] : '.';
    return text;
}

std::string MappingLine(const AttrMapping& mapping, const MappingColumns& columns,
                        const MessageFn& msg) {
    const std::string startup = mapping.startup == Any ? "*" : msg(186 + mapping.startup);
    const std::string status = mapping.status == Any ? "*" : msg(191 + mapping.status);
    return Padded(startup, columns.startup) + " " + VerticalLine + " " +
           Padded(status, columns.status) + " => " + AttributeLetters(mapping.attributes);
}

DialogLayout MappingDialog(const AttrMapping* current, const MessageFn& msg) {
    constexpr int CheckLeft = 47, CheckMark = 4;
    int longest = 0;
    for (int number = 303; number <= 307; ++number)
        longest = std::max(longest, ShownLength(msg(number)));
    const int attributesRight = std::max(62, CheckLeft + CheckMark + longest + 1);
    const int outer = attributesRight + 2;

    DialogLayout dialog;
    dialog.width = outer + 4;
    dialog.height = 16;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, outer, 14, msg(288));
    items.Add(ulvar::DialogSingleBox, 5, 3, 22, 10, msg(289));
    for (int i = 0; i < 6; ++i) {
        // Choice 0 is any; choices 1 to 5 are the start types 0 to 4.
        ulvar::DialogItem& radio = items.Add(ulvar::DialogRadioButton, 7, 4 + i, 0, 0, msg(290 + i),
                                             i == 0 ? ulvar::DialogGroup : 0u);
        if (current)
            radio.Selected = (current->startup == Any ? 0 : current->startup + 1) == i;
        if (i == 0)
            radio.Focus = 1;
    }
    items.Add(ulvar::DialogSingleBox, 24, 3, 38, 8, msg(296));
    for (int i = 0; i < 4; ++i) {
        ulvar::DialogItem& radio = items.Add(ulvar::DialogRadioButton, 26, 4 + i, 0, 0,
                                             msg(297 + i), i == 0 ? ulvar::DialogGroup : 0u);
        if (current)
            radio.Selected = (current->status == Any ? 0 : current->status + 1) == i;
    }
    items.Text(41, 6, msg(301));
    items.Add(ulvar::DialogSingleBox, 45, 3, attributesRight, 9, msg(302));
    for (int i = 0; i < 5; ++i)
        items.CheckBox(CheckLeft, 4 + i, msg(303 + i),
                       current && (current->attributes & mapdlg::AttributeBits[i]) != 0);
    items.Separator(0, 12);
    items.Button(13, msg(308)).DefaultButton = 1;
    items.Button(13, msg(309));
    dialog.items = std::move(items).Take();
    return dialog;
}

std::optional<AttrMapping> MappingFromDialog(int closingItem,
                                             const std::vector<ulvar::DialogItem>& items) {
    if (closingItem != mapdlg::Confirm || items.size() <= static_cast<std::size_t>(mapdlg::Cancel))
        return std::nullopt;
    auto chosen = [&items](int first, int count) -> std::optional<int> {
        for (int i = 0; i < count; ++i)
            if (items[static_cast<std::size_t>(first + i)].Selected)
                return i;
        return std::nullopt;
    };
    const auto startup = chosen(mapdlg::FirstStartup, 6);
    const auto status = chosen(mapdlg::FirstStatus, 4);
    if (!startup || !status)
        return std::nullopt;
    AttrMapping mapping;
    mapping.startup = *startup == 0 ? Any : static_cast<std::uint8_t>(*startup - 1);
    mapping.status = *status == 0 ? Any : static_cast<std::uint8_t>(*status - 1);
    for (int i = 0; i < 5; ++i)
        if (items[static_cast<std::size_t>(mapdlg::FirstAttribute + i)].Selected)
            mapping.attributes |= mapdlg::AttributeBits[i];
    return mapping;
}

bool ComesBefore(const AttrMapping& a, const AttrMapping& b) {
    return (FullySpecified(a) && !FullySpecified(b)) || (!AnyForBoth(a) && AnyForBoth(b));
}

std::size_t PlaceMapping(std::vector<AttrMapping>& list, std::size_t position, bool insert,
                         const AttrMapping& mapping) {
    if (list.empty())
        insert = true;
    position = std::min(position, insert ? list.size() : list.size() - 1);
    if (insert)
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), mapping);
    else
        list[position] = mapping;
    for (std::size_t i = list.size(); i-- > 0;) {
        if (i == position || list[i].startup != mapping.startup || list[i].status != mapping.status)
            continue;
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < position)
            --position;
    }
    while (position > 0 && ComesBefore(mapping, list[position - 1])) {
        std::swap(list[position], list[position - 1]);
        --position;
    }
    while (position + 1 < list.size() && ComesBefore(list[position + 1], mapping)) {
        std::swap(list[position], list[position + 1]);
        ++position;
    }
    return position;
}

std::size_t RemoveMapping(std::vector<AttrMapping>& list, std::size_t position) {
    if (position >= list.size())
        return position;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
    return position > 0 && position >= list.size() ? list.size() - 1 : position;
}

} // namespace sentrel
