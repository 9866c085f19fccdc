#pragma once

// Menus through HostMenu: a title, flags, and items of up to 127 characters with a selection, a
// check and a separator mark; position and height are left to the host, no break keys.

#include "plugins/startup/ulvarplus/HostRecord.h"
#include "plugins/startup/ulvarplus/MessageBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ulvarplus {

class MenuBuilder {
public:
    MenuBuilder(const HostRecord& host, const MessageText& title,
                std::uint32_t flags = ulvar::MenuWrapMode);

    MenuBuilder& Item(const MessageText& text, bool selected = false, bool checked = false);
    MenuBuilder& Separator();
    // The chosen item (from 0) or -1.
    int Run() const;

    const std::vector<ulvar::MenuItem>& Items() const { return items_; }

private:
    const HostRecord& host_;
    std::string title_;
    std::uint32_t flags_;
    std::vector<ulvar::MenuItem> items_;
};

} // namespace ulvarplus
