#pragma once

// The plug-in's two dialogs as item arrays for HostDialog, and what their answers mean. Texts
// are the host's OEM text.

#include "plugins/netstat/core/ProcessList.h"
#include "plugins/netstat/core/Settings.h"
#include "ulvar/Plugin.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sockwell {

// A message of the language file by number.
using MessageText = std::function<std::string(int number)>;

struct DialogLayout {
    int width = 0;
    int height = 0;
    std::vector<ulvar::DialogItem> items;
};

// The configuration dialog: three check boxes showing whether each setting is in effect, then
// the accept and cancel buttons.
DialogLayout ConfigDialog(const Settings& settings, const MessageText& msg);
inline constexpr int ConfigAcceptItem = 4;
// The settings the dialog's answer asks for (each 0 or 1), or nullopt unless it was accepted.
std::optional<Settings> ConfigDialogResult(int closingItem,
                                           const std::vector<ulvar::DialogItem>& items);

// The process dialog for one row's entry (null: the row has none, both texts are empty).
DialogLayout ProcessDialog(const ProcessEntry* entry, const MessageText& msg);

} // namespace sockwell
