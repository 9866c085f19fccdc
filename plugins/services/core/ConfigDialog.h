#pragma once

// The plug-in's configuration dialog ("CfgDlg") and the confirmation dialog ("CfmDlg") as item
// arrays for HostDialog, and what their answers mean. Texts are the host's OEM text.

#include "plugin-host/kit/core/Settings.h"
#include "plugins/services/core/AttrMappings.h"
#include "plugins/services/core/Settings.h"
#include "ulvar/Plugin.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sentrel {

// A message of the language file by number.
using MessageFn = std::function<std::string(int number)>;

struct DialogLayout {
    int width = 0;
    int height = 0;
    std::vector<ulvar::DialogItem> items;
};

// The length of a label as shown: the hot-key marker "&" is not counted.
int ShownLength(std::string_view text);
// right minus the shown length of text, never below 0.
int ColumnLeftOf(int right, std::string_view text);

// "CfgDlg".
namespace cfg {
inline constexpr int AddToDisksMenu = 1;
inline constexpr int DisksMenuDigit = 2;
inline constexpr int DefaultViewMode = 5;
inline constexpr int FirstLayout = 8; // 8 to 10: "DirStructure" 0 to 2
inline constexpr int AddDotsToRoot = 11;
inline constexpr int UseAttrMapping = 12;
inline constexpr int Mappings = 13;
inline constexpr int RemoteDescrs = 14;
inline constexpr int Save = 16;
inline constexpr int Cancel = 17;
inline constexpr int Confirmations = 18;
} // namespace cfg

DialogLayout ConfigDialog(const Settings& settings, const MessageFn& msg);

// The settings the dialog's items ask for, starting from the current ones: a blank disks-menu
// digit is 0 and any other content than a blank or a digit keeps the old one; a blank or empty
// view mode is no start mode (0), a digit is '0' to '9', anything else keeps the old one.
Settings SettingsFromDialog(const std::vector<ulvar::DialogItem>& items, const Settings& current);

// Saves what "CfgDlg" was confirmed with, in the order the values are written: each value goes
// to the store and into the live settings; "DefaultViewMode" (255 for no start mode) and
// "CfmFlags" only when they changed. editedMappings, when the mapping editor was used, replaces
// the stored and the live mappings and the table is rebuilt from them. Write failures are
// ignored.
struct LiveConfiguration {
    Settings& settings;
    std::vector<AttrMapping>& mappings;
    AttrTable& attrTable;
};
void SaveConfiguration(const std::vector<ulvar::DialogItem>& items, std::uint32_t cfmFlags,
                       const std::vector<AttrMapping>* editedMappings, LiveConfiguration live,
                       ulvar::kit::ValueStore& values, MappingStore& mappingStore);

// "CfmDlg": one check box per confirmation bit, the dialog widened to its longest text.
namespace cfm {
inline constexpr int Confirm = 13;
inline constexpr int Cancel = 14;
inline constexpr std::uint32_t Bits[] = {0x001, 0x002, 0x004, 0x008, 0x010,
                                         0x020, 0x040, 0x080, 0x100};
} // namespace cfm
DialogLayout ConfirmationsDialog(std::uint32_t bits, const MessageFn& msg);
// The bits of the ticked boxes when the dialog was confirmed, else the old bits.
std::uint32_t ConfirmationsFromDialog(int closingItem, const std::vector<ulvar::DialogItem>& items,
                                      std::uint32_t old);

} // namespace sentrel
