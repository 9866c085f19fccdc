#include "plugins/services/core/Descriptions.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/MessageText.h"

#include <algorithm>

namespace sentrel {

namespace {

std::string Shown(const std::optional<std::string>& description) {
    return description ? description->substr(0, DescriptionFieldLength) : std::string();
}

} // namespace

std::string DescriptionLabel(const std::string& displayName, const MessageFn& msg) {
    const std::string format = msg(327);
    const int length = static_cast<int>(format.size());
    std::string name = displayName;
    if (static_cast<int>(name.size()) > std::max(0, 68 - length))
        name = name.substr(0, static_cast<std::size_t>(std::max(0, 65 - length))) + "...";
    return FillInserts(format, {name});
}

DialogLayout DescriptionDialog(const std::string& displayName,
                               const std::optional<std::string>& description,
                               const MessageFn& msg) {
    DialogLayout dialog;
    dialog.width = 76;
    dialog.height = 6;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 72, 4, msg(326));
    items.Text(5, 2, DescriptionLabel(displayName, msg));
    ulvar::DialogItem& edit = items.Edit(5, 3, 70, Shown(description), "DizText");
    edit.Focus = 1;
    edit.Flags |= ulvar::DialogEditEnter;
    dialog.items = std::move(items).Take();
    return dialog;
}

std::optional<std::string> DescriptionChange(const std::optional<std::string>& current,
                                             const std::string& edited) {
    if (edited == Shown(current))
        return std::nullopt;
    if (edited.empty() || !current || current->size() <= DescriptionFieldLength)
        return edited;
    return edited + current->substr(DescriptionFieldLength);
}

} // namespace sentrel
