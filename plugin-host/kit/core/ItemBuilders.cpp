#include "plugin-host/kit/core/ItemBuilders.h"

namespace ulvar::kit {

DialogItem MakeDialogItem(int type, int x1, int y1, int x2, int y2, std::string_view text,
                          std::uint32_t flags) {
    DialogItem item{};
    item.Type = type;
    item.X1 = x1;
    item.Y1 = y1;
    item.X2 = x2;
    item.Y2 = y2;
    item.Flags = flags;
    CopyText(item.Data, text);
    return item;
}

MenuItem MakeMenuItem(std::string_view text, bool selected) {
    MenuItem item{};
    CopyText(item.Text, text);
    item.Selected = selected ? 1 : 0;
    return item;
}

DialogItem& DialogItems::Add(int type, int x1, int y1, int x2, int y2, std::string_view text,
                             std::uint32_t flags) {
    items_.push_back(MakeDialogItem(type, x1, y1, x2, y2, text, flags));
    return items_.back();
}

DialogItem& DialogItems::CheckBox(int x, int y, std::string_view text, bool checked) {
    DialogItem& item = Add(DialogCheckBox, x, y, 0, 0, text);
    item.Selected = checked ? 1 : 0;
    return item;
}

DialogItem& DialogItems::Edit(int x1, int y, int x2, std::string_view text, const char* history) {
    DialogItem& item = Add(DialogEdit, x1, y, x2, y, text, history ? DialogHistory : 0u);
    item.History = history;
    return item;
}

} // namespace ulvar::kit
