#include "plugins/services/plugin/Configuration.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugin-host/kit/win/RegistryValues.h"
#include "plugins/services/core/ConfigDialog.h"
#include "plugins/services/core/MappingEditor.h"
#include "plugins/services/win/RegistryMappings.h"

#include <windows.h>

#include <new>

namespace sentrel {

namespace {

MessageFn Messages(const Library& lib) {
    return [&lib](int number) {
        return std::string(lib.Msg(number));
    };
}

int Show(const Library& lib, DialogLayout& dialog, const char* helpTopic) {
    return lib.host.Dialog(dialog.width, dialog.height, dialog.items, helpTopic);
}

} // namespace

std::uint32_t EditConfirmations(const Library& lib, std::uint32_t bits) {
    DialogLayout dialog = ConfirmationsDialog(bits, Messages(lib));
    const int closing = Show(lib, dialog, "CfmDlg");
    return ConfirmationsFromDialog(closing, dialog.items, bits);
}

bool EditAttrMappings(const Library& lib, std::vector<AttrMapping>& list) {
    const MessageFn msg = Messages(lib);
    const MappingColumns columns = MappingColumnWidths(msg);
    static constexpr int BreakKeys[] = {ulvar::MakeBreakKey(VK_INSERT, 0),
                                        ulvar::MakeBreakKey(VK_DELETE, 0),
                                        ulvar::MakeBreakKey(VK_F4, 0), 0};
    enum { Insert, Delete, Edit };
    std::size_t current = 0;
    try {
        for (;;) {
            std::vector<ulvar::MenuItem> lines;
            for (std::size_t i = 0; i <= list.size(); ++i)
                lines.push_back(ulvar::kit::MakeMenuItem(
                    i < list.size() ? MappingLine(list[i], columns, msg) : "", i == current));
            int breakCode = -1;
            const int chosen = lib.host.Menu(ulvar::MenuShowAmpersand, lib.Msg(185), lines.data(),
                                             static_cast<int>(lines.size()), BreakKeys, &breakCode,
                                             lib.Msg(194), "AttrMapM");
            if (chosen < 0)
                return true;
            current = static_cast<std::size_t>(chosen);
            const bool onMapping = current < list.size();
            if (breakCode == Delete) {
                if (onMapping)
                    current = RemoveMapping(list, current);
                continue;
            }
            if (breakCode == Edit && !onMapping)
                continue;
            const bool insert = breakCode == Insert || !onMapping;
            if (insert && list.size() >= MaxMappings)
                continue;
            DialogLayout dialog = MappingDialog(insert ? nullptr : &list[current], msg);
            const int closing = Show(lib, dialog, "MapAttrDlg");
            if (const auto mapping = MappingFromDialog(closing, dialog.items))
                current = PlaceMapping(list, current, insert, *mapping);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

int RunConfiguration(Library& lib) {
    std::vector<AttrMapping> mappings = lib.mappings;
    bool mappingsEdited = false;
    std::uint32_t cfmFlags = lib.settings.cfmFlags;
    DialogLayout dialog = ConfigDialog(lib.settings, Messages(lib));
    for (;;) {
        const int closing = Show(lib, dialog, "CfgDlg");
        if (closing == cfg::Mappings) {
            mappingsEdited = EditAttrMappings(lib, mappings) || mappingsEdited;
            continue;
        }
        if (closing == cfg::Confirmations) {
            cfmFlags = EditConfirmations(lib, cfmFlags);
            continue;
        }
        if (closing != cfg::Save)
            return 0;
        break;
    }
    const std::string key = SettingsKeyName(lib.host.Info().RootKey ? lib.host.Info().RootKey : "");
    ulvar::kit::win::RegistryValueStore values(key);
    win::RegistryMappingStore mappingStore(key);
    SaveConfiguration(dialog.items, cfmFlags, mappingsEdited ? &mappings : nullptr,
                      {lib.settings, lib.mappings, lib.attrTable}, values, mappingStore);
    return 1;
}

} // namespace sentrel
