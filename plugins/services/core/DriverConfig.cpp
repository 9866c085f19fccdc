#include "plugins/services/core/DriverConfig.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr int NameColumn = 13;
constexpr int MinBox = 30, MaxBox = 66;

} // namespace

DialogLayout DriverDialog(const std::string& displayName, std::uint32_t startType,
                          const MessageFn& msg) {
    int longest = 0;
    for (int number = 267; number <= 271; ++number)
        longest = std::max(longest, 7 + 4 + ShownLength(msg(number)) + 2);
    const int wanted = std::max(NameColumn + static_cast<int>(displayName.size()) + 2, longest);
    const int right = std::clamp(wanted, MinBox, MaxBox);
    std::string name = displayName;
    const int room = right - 1 - NameColumn;
    if (static_cast<int>(name.size()) > room)
        name = name.substr(0, static_cast<std::size_t>(std::max(0, room - 3))) + "...";

    DialogLayout dialog;
    dialog.width = right + 4;
    dialog.height = 17;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, right, 15, msg(264));
    items.Text(5, 3, msg(265));
    items.Text(NameColumn, 3, name);
    items.Add(ulvar::DialogSingleBox, 5, 5, 22, 11, msg(266));
    for (std::uint32_t type = 0; type < 5; ++type) {
        ulvar::DialogItem& radio =
            items.Add(ulvar::DialogRadioButton, 7, 6 + static_cast<int>(type), 0, 0,
                      msg(267 + static_cast<int>(type)), type == 0 ? ulvar::DialogGroup : 0u);
        radio.Selected = radio.Focus = type == startType ? 1 : 0;
    }
    items.Separator(0, 13);
    ulvar::DialogItem& ok = items.Button(14, msg(272));
    ok.DefaultButton = 1;
    ok.Focus = startType > 4 ? 1 : 0;
    items.Button(14, msg(273));
    items.Button(14, msg(274));
    dialog.items = std::move(items).Take();
    return dialog;
}

std::optional<std::uint32_t> StartTypeFromDialog(const std::vector<ulvar::DialogItem>& items) {
    for (std::uint32_t type = 0; type < 5; ++type) {
        const std::size_t index = static_cast<std::size_t>(devdlg::FirstStart) + type;
        if (index < items.size() && items[index].Selected)
            return type;
    }
    return std::nullopt;
}

AdvancedItems::AdvancedItems(bool withPath) {
    const int shift = withPath ? 0 : -2;
    if (withPath)
        binaryPath = 4;
    objectName = 6 + shift;
    loadOrderGroup = 8 + shift;
    firstErrorControl = 10 + shift;
    ok = 15 + shift;
    cancel = 16 + shift;
    dependencies = 17 + shift;
}

DialogLayout DriverAdvancedDialog(const DriverAdvanced& values, bool withPath,
                                  const MessageFn& msg) {
    int widest = 0;
    for (int number = 275; number <= 287; ++number)
        widest = std::max(widest, ShownLength(msg(number)));
    const int rows = withPath ? 0 : 2;

    DialogLayout dialog;
    dialog.width = std::max(64, std::min(widest, MaxBox) + 10);
    dialog.height = 18 - rows;
    const int right = dialog.width - 4;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, right, 16 - rows, msg(275));
    items.Text(5, 2, msg(276));
    items.Edit(5, 3, right - 2, values.displayName, "SentrelDNameHist").Focus = 1;
    if (withPath) {
        items.Text(5, 4, msg(277));
        items.Edit(5, 5, right - 2, values.binaryPath, "SentrelPathHist");
    }
    items.Text(5, 7 - rows, msg(278));
    items.Edit(5, 8 - rows, 39, values.objectName, "SentrelObjName");
    items.Text(5, 10 - rows, msg(279));
    items.Edit(5, 11 - rows, 39, values.loadOrderGroup, "SentrelGroup");
    items.Add(ulvar::DialogSingleBox, 42, 7 - rows, 58, 12 - rows, msg(280), ulvar::DialogLeftText);
    for (std::uint32_t level = 0; level < 4; ++level) {
        ulvar::DialogItem& radio =
            items.Add(ulvar::DialogRadioButton, 44, 8 - rows + static_cast<int>(level), 0, 0,
                      msg(281 + static_cast<int>(level)), level == 0 ? ulvar::DialogGroup : 0u);
        radio.Selected = values.errorControl == level ? 1 : 0;
    }
    items.Separator(0, 14 - rows);
    items.Button(15 - rows, msg(285)).DefaultButton = 1;
    items.Button(15 - rows, msg(286));
    items.Button(15 - rows, msg(287));
    dialog.items = std::move(items).Take();
    return dialog;
}

DriverAdvanced AdvancedFromDialog(const std::vector<ulvar::DialogItem>& items, bool withPath,
                                  DriverAdvanced values) {
    const AdvancedItems at(withPath);
    if (items.size() <= static_cast<std::size_t>(at.dependencies))
        return values;
    auto text = [&items](int index) {
        return std::string(items[static_cast<std::size_t>(index)].Data);
    };
    values.displayName = text(at.displayName);
    if (withPath)
        values.binaryPath = text(at.binaryPath);
    values.objectName = text(at.objectName);
    values.loadOrderGroup = text(at.loadOrderGroup);
    for (std::uint32_t level = 0; level < 4; ++level)
        if (items[static_cast<std::size_t>(at.firstErrorControl) + level].Selected)
            values.errorControl = level;
    return values;
}

bool AsksBeforeStartChange(std::uint32_t stored, std::uint32_t chosen) {
    return chosen != stored && stored <= 1;
}

DriverAdvanced AdvancedOf(const ServiceNode& record,
                          const std::function<std::string(const std::string&)>& oemFromAnsi) {
    DriverAdvanced values;
    values.displayName = oemFromAnsi(record.config.displayName);
    values.binaryPath = oemFromAnsi(record.config.binaryPath);
    values.objectName = oemFromAnsi(record.config.account);
    values.loadOrderGroup = oemFromAnsi(record.config.loadOrderGroup);
    values.errorControl = record.config.errorControl;
    values.dependencies = record.config.dependencies;
    return values;
}

DriverChanges ChangesOf(const ServiceNode& record, std::uint32_t startType,
                        const DriverAdvanced& edited,
                        const std::function<std::string(const std::string&)>& ansiFromOem) {
    const ServiceConfig& stored = record.config;
    DriverChanges changes;
    if (startType != stored.startType)
        changes.startType = startType;
    if (edited.errorControl != stored.errorControl)
        changes.errorControl = edited.errorControl;
    auto changed = [](const std::string& now, const std::string& before) {
        return now != before ? std::optional<std::string>(now) : std::nullopt;
    };
    changes.displayName = changed(ansiFromOem(edited.displayName), stored.displayName);
    if (!stored.binaryPath.empty())
        changes.binaryPath = changed(ansiFromOem(edited.binaryPath), stored.binaryPath);
    if (!edited.objectName.empty())
        changes.objectName = ansiFromOem(edited.objectName);
    changes.loadOrderGroup = changed(ansiFromOem(edited.loadOrderGroup), stored.loadOrderGroup);
    if (edited.dependencies != stored.dependencies)
        changes.dependencies = edited.dependencies;
    return changes;
}

ServiceConfigEdit EditOf(const DriverChanges& changes, const std::string& serviceName) {
    ServiceConfigEdit edit;
    edit.serviceName = serviceName;
    if (changes.startType)
        edit.startType = *changes.startType;
    if (changes.errorControl)
        edit.errorControl = *changes.errorControl;
    const auto take = [](const std::optional<std::string>& change, std::string& text) {
        if (change)
            text = *change;
        return change.has_value();
    };
    edit.changedDisplayName = take(changes.displayName, edit.displayName);
    edit.changedBinaryPath = take(changes.binaryPath, edit.binaryPath);
    edit.changedGroup = take(changes.loadOrderGroup, edit.loadOrderGroup);
    edit.changedAccount = take(changes.objectName, edit.account);
    if (changes.dependencies) {
        edit.dependencies = *changes.dependencies;
        edit.changedDependencies = true;
    }
    return edit;
}

} // namespace sentrel
