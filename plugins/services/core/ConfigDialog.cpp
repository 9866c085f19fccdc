#include "plugins/services/core/ConfigDialog.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr std::uint8_t NoStartMode = 255;

ulvar::DialogItem& FixEdit(ulvar::kit::DialogItems& items, int x, int y, std::string_view text) {
    return items.Add(ulvar::DialogFixEdit, x, y, x, y, text);
}

std::string DigitText(int value) {
    return std::string(1, static_cast<char>('0' + value));
}

// A field of blanks only (or none at all).
bool IsBlank(const char* text) {
    for (; *text; ++text)
        if (*text != ' ')
            return false;
    return true;
}

// The digit of a field holding one digit, optionally surrounded by blanks.
std::optional<int> DigitOf(const char* text) {
    std::string_view field(text);
    const auto first = field.find_first_not_of(' ');
    const auto last = field.find_last_not_of(' ');
    if (first == std::string_view::npos || first != last || field[first] < '0' ||
        field[first] > '9')
        return std::nullopt;
    return field[first] - '0';
}

std::uint32_t StoredViewMode(int mode) {
    return mode == 0 ? NoStartMode : static_cast<std::uint32_t>(mode - '0');
}

} // namespace

int ShownLength(std::string_view text) {
    return static_cast<int>(text.size() -
                            static_cast<std::size_t>(std::count(text.begin(), text.end(), '&')));
}

int ColumnLeftOf(int right, std::string_view text) {
    return std::max(0, right - ShownLength(text));
}

DialogLayout ConfigDialog(const Settings& settings, const MessageFn& msg) {
    DialogLayout dialog;
    dialog.width = 76;
    dialog.height = 18;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 72, 16, msg(205));
    items.CheckBox(5, 2, msg(206), settings.addToDisksMenu);
    FixEdit(items, 7, 3, settings.disksMenuDigit ? DigitText(settings.disksMenuDigit) : "").Focus =
        1;
    items.Text(9, 3, msg(207));
    items.Separator(0, 4);
    FixEdit(items, 6, 5,
            settings.defaultViewMode ? std::string(1, char(settings.defaultViewMode)) : "");
    items.Text(8, 5, msg(208));
    items.Add(ulvar::DialogSingleBox, 5, 6, 70, 10, msg(209));
    for (int layout = 0; layout < 3; ++layout) {
        ulvar::DialogItem& radio =
            items.Add(ulvar::DialogRadioButton, 7, 7 + layout, 0, 0, msg(210 + layout),
                      layout == 0 ? ulvar::DialogGroup : 0u);
        radio.Selected = settings.dirStructure == layout ? 1 : 0;
    }
    items.CheckBox(5, 11, msg(213), settings.addDotsToRoot);
    items.CheckBox(5, 12, msg(214), settings.useAttrMapping.value_or(false));
    const std::string mappings = msg(215);
    items.Add(ulvar::DialogButton, ColumnLeftOf(67, mappings), 12, 0, 0, mappings);
    items.CheckBox(5, 13, msg(216), settings.remoteDescrs);
    items.Separator(0, 14);
    items.Button(15, msg(217)).DefaultButton = 1;
    items.Button(15, msg(218));
    items.Button(15, msg(219));
    dialog.items = std::move(items).Take();
    return dialog;
}

Settings SettingsFromDialog(const std::vector<ulvar::DialogItem>& items, const Settings& current) {
    Settings settings = current;
    if (items.size() <= static_cast<std::size_t>(cfg::Confirmations))
        return settings;
    settings.addToDisksMenu = items[cfg::AddToDisksMenu].Selected != 0;
    const char* digit = items[cfg::DisksMenuDigit].Data;
    if (IsBlank(digit))
        settings.disksMenuDigit = 0;
    else if (const auto value = DigitOf(digit))
        settings.disksMenuDigit = *value;
    const char* mode = items[cfg::DefaultViewMode].Data;
    if (IsBlank(mode))
        settings.defaultViewMode = 0;
    else if (const auto value = DigitOf(mode))
        settings.defaultViewMode = '0' + *value;
    settings.addDotsToRoot = items[cfg::AddDotsToRoot].Selected != 0;
    settings.useAttrMapping = items[cfg::UseAttrMapping].Selected != 0;
    settings.dirStructure = items[cfg::FirstLayout + 1].Selected   ? 1
                            : items[cfg::FirstLayout + 2].Selected ? 2
                                                                   : 0;
    settings.remoteDescrs = items[cfg::RemoteDescrs].Selected != 0;
    return settings;
}

void SaveConfiguration(const std::vector<ulvar::DialogItem>& items, std::uint32_t cfmFlags,
                       const std::vector<AttrMapping>* editedMappings, LiveConfiguration live,
                       ulvar::kit::ValueStore& values, MappingStore& mappingStore) {
    const Settings old = live.settings;
    const Settings next = SettingsFromDialog(items, old);
    Settings& s = live.settings;

    s.addToDisksMenu = next.addToDisksMenu;
    values.Write(value::AddToDisksMenu, s.addToDisksMenu ? 1 : 0);
    s.disksMenuDigit = next.disksMenuDigit;
    values.Write(value::DisksMenuDigit, static_cast<std::uint32_t>(s.disksMenuDigit));
    if (next.defaultViewMode != old.defaultViewMode) {
        s.defaultViewMode = next.defaultViewMode;
        values.Write(value::DefaultViewMode, StoredViewMode(s.defaultViewMode));
    }
    s.addDotsToRoot = next.addDotsToRoot;
    values.Write(value::AddDotsToRoot, s.addDotsToRoot ? 1 : 0);
    s.useAttrMapping = next.useAttrMapping;
    values.Write(value::UseAttrMapping, *s.useAttrMapping ? 1 : 0);
    s.dirStructure = next.dirStructure;
    values.Write(value::DirStructure, static_cast<std::uint32_t>(s.dirStructure));
    if (editedMappings) {
        mappingStore.WriteAll(*editedMappings);
        live.mappings = *editedMappings;
        live.attrTable = BuildAttrTable(live.mappings);
    }
    if (cfmFlags != old.cfmFlags) {
        s.cfmFlags = cfmFlags;
        values.Write(value::CfmFlags, cfmFlags);
    }
    s.remoteDescrs = next.remoteDescrs;
    values.Write(value::RemoteDescrs, s.remoteDescrs ? 1 : 0);
}

DialogLayout ConfirmationsDialog(std::uint32_t bits, const MessageFn& msg) {
    constexpr int BoxLeft = 7, CheckMark = 4; // "[x] "
    int longest = 0;
    for (int number = 314; number <= 323; ++number)
        if (number != 319)
            longest = std::max(longest, ShownLength(msg(number)));
    const int inner = std::max(30, BoxLeft + CheckMark + longest + 1);
    const int outer = inner + 2;

    DialogLayout dialog;
    dialog.width = outer + 4;
    dialog.height = 19;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, outer, 17, msg(312));
    items.Add(ulvar::DialogSingleBox, 5, 2, inner, 8, msg(313));
    for (int i = 0; i < 5; ++i)
        items.CheckBox(BoxLeft, 3 + i, msg(314 + i), (bits & cfm::Bits[i]) != 0);
    items.Add(ulvar::DialogSingleBox, 5, 9, inner, 14, msg(319));
    for (int i = 0; i < 4; ++i)
        items.CheckBox(BoxLeft, 10 + i, msg(320 + i), (bits & cfm::Bits[5 + i]) != 0);
    items.Separator(0, 15);
    items.Button(16, msg(324)).DefaultButton = 1;
    items.Button(16, msg(325));
    dialog.items = std::move(items).Take();
    return dialog;
}

std::uint32_t ConfirmationsFromDialog(int closingItem, const std::vector<ulvar::DialogItem>& items,
                                      std::uint32_t old) {
    if (closingItem != cfm::Confirm || items.size() <= static_cast<std::size_t>(cfm::Cancel))
        return old;
    std::uint32_t bits = 0;
    for (int i = 0; i < 9; ++i) {
        const int item = i < 5 ? 2 + i : 8 + (i - 5);
        if (items[static_cast<std::size_t>(item)].Selected)
            bits |= cfm::Bits[i];
    }
    return bits;
}

} // namespace sentrel
