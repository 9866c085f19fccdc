#pragma once

// Dialog and menu items for HostDialog and HostMenu: the type, position, flags and text of each
// item filled in, every other field zero, texts cut to their field (with room for the zero).

#include "ulvar/Plugin.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace ulvar::kit {

// Copies text into a fixed field, cut to its size less the terminating zero.
template <std::size_t Size> void CopyText(char (&field)[Size], std::string_view text) {
    static_assert(Size > 0);
    const std::size_t length = text.size() < Size - 1 ? text.size() : Size - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

DialogItem MakeDialogItem(int type, int x1, int y1, int x2, int y2, std::string_view text,
                          std::uint32_t flags = 0);
MenuItem MakeMenuItem(std::string_view text, bool selected = false);

// A dialog's items in order. Each call appends one item and returns it, for the fields set less
// often (Focus, DefaultButton, History); the reference lasts until the next item is added.
class DialogItems {
public:
    DialogItem& Add(int type, int x1, int y1, int x2, int y2, std::string_view text,
                    std::uint32_t flags = 0);
    DialogItem& DoubleBox(int x1, int y1, int x2, int y2, std::string_view title) {
        return Add(DialogDoubleBox, x1, y1, x2, y2, title);
    }
    DialogItem& Text(int x, int y, std::string_view text, std::uint32_t flags = 0) {
        return Add(DialogText, x, y, 0, 0, text, flags);
    }
    // A separator line across the dialog at row y.
    DialogItem& Separator(int x, int y) { return Text(x, y, "", DialogSeparator); }
    DialogItem& CheckBox(int x, int y, std::string_view text, bool checked);
    // A line edit from x1 to x2 at row y; with a history name, DialogHistory is set.
    DialogItem& Edit(int x1, int y, int x2, std::string_view text, const char* history = nullptr);
    // A button of the row y; the buttons of one row with DialogCenterGroup are centred together.
    DialogItem& Button(int y, std::string_view text, std::uint32_t flags = DialogCenterGroup) {
        return Add(DialogButton, 0, y, 0, 0, text, flags);
    }

    std::vector<DialogItem>& Items() { return items_; }
    std::vector<DialogItem> Take() && { return std::move(items_); }

private:
    std::vector<DialogItem> items_;
};

} // namespace ulvar::kit
