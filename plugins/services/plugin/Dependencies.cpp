#include "plugins/services/plugin/Dependencies.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/DependencyEditor.h"
#include "plugins/services/core/MessageText.h"
#include "plugins/services/plugin/Folders.h"

namespace sentrel {

namespace {

constexpr int VkEnter = 0x0D, VkUp = 0x26, VkDown = 0x28, VkInsert = 0x2D, VkDelete = 0x2E;
constexpr int VkF2 = 0x71;
constexpr int TitleServices = 196, GroupLine = 198, AddTitle = 202, AddDriversBottom = 203,
              AddServicesBottom = 204;

// The list of a kind for the candidates: cached, else read with a folder object of that kind.
ListPtr CandidateList(ServiceFolder& folder, bool drivers) {
    PanelInstance& panel = folder.Panel();
    if (ListPtr list = panel.Lib().cache.FindList(panel.CacheKey(), drivers))
        return list;
    ServiceFolder reader(panel, drivers);
    return reader.ReadList(0);
}

// The adding menu; the entry chosen, or "" when none was.
std::string ChooseCandidate(ServiceFolder& folder, const std::string& serviceName,
                            const std::vector<std::string>& entries) {
    Library& lib = folder.Panel().Lib();
    bool drivers = folder.Drivers();
    ListPtr list = CandidateList(folder, drivers);
    if (!list) {
        drivers = folder.Drivers();
        list = CandidateList(folder, drivers);
    }
    for (;;) {
        const std::vector<DependencyCandidate> candidates =
            list ? DependencyCandidates(*list, serviceName, entries, lib.text)
                 : std::vector<DependencyCandidate>{};
        std::vector<ulvar::MenuItem> items;
        for (const DependencyCandidate& candidate : candidates) {
            ulvar::MenuItem item = ulvar::kit::MakeMenuItem(lib.text.OemFromAnsi(candidate.text));
            item.Separator = candidate.entry.empty() ? 1 : 0;
            items.push_back(item);
        }
        const int breakKeys[] = {ulvar::MakeBreakKey(VkF2, 0), 0};
        int breakCode = -1;
        const int chosen =
            lib.host.Menu(ulvar::MenuWrapMode, lib.Msg(AddTitle), items.data(),
                          static_cast<int>(items.size()), breakKeys, &breakCode,
                          lib.Msg(drivers ? AddDriversBottom : AddServicesBottom), "NewDepM");
        if (breakCode == 0) {
            if (ListPtr other = CandidateList(folder, !drivers)) {
                drivers = !drivers;
                list = std::move(other);
            }
            continue;
        }
        if (chosen < 0 || chosen >= static_cast<int>(candidates.size()))
            return {};
        if (!candidates[static_cast<std::size_t>(chosen)].entry.empty())
            return candidates[static_cast<std::size_t>(chosen)].entry;
    }
}

} // namespace

void EditDependencies(ServiceFolder& folder, const std::string& displayName,
                      const std::string& serviceName, std::vector<std::string>& entries) {
    Library& lib = folder.Panel().Lib();
    DependencyEdit edit{entries, 0};
    const std::string title = DependencyMenuTitle(
        lib.Msg(TitleServices + (folder.Drivers() ? 1 : 0)), lib.text.OemFromAnsi(displayName));
    for (;;) {
        std::vector<ulvar::MenuItem> items;
        for (std::size_t i = 0; i < edit.entries.size(); ++i)
            items.push_back(ulvar::kit::MakeMenuItem(
                lib.text.OemFromAnsi(DependencyLine(edit.entries[i], lib.Msg(GroupLine))),
                static_cast<int>(i) == edit.current));
        const bool empty = edit.entries.empty();
        const int listKeys[] = {ulvar::MakeBreakKey(VkInsert, 0), ulvar::MakeBreakKey(VkDelete, 0),
                                ulvar::MakeBreakKey(VkUp, ulvar::KeyCtrl),
                                ulvar::MakeBreakKey(VkDown, ulvar::KeyCtrl), 0};
        const int emptyKeys[] = {ulvar::MakeBreakKey(VkInsert, 0), ulvar::MakeBreakKey(VkEnter, 0),
                                 0};
        const std::string bottom =
            FillInserts(lib.Msg(DependencyBottomMessage(edit.entries.size())),
                        {std::to_string(edit.entries.size())});
        int breakCode = -1;
        const int chosen = lib.host.Menu(
            ulvar::MenuWrapMode, title.c_str(), items.data(), static_cast<int>(items.size()),
            empty ? emptyKeys : listKeys, &breakCode, bottom.c_str(), "DepsM");
        if (breakCode < 0 || (empty && breakCode == 1))
            break;
        if (breakCode == 0) {
            const std::string entry = ChooseCandidate(folder, serviceName, edit.entries);
            if (!entry.empty())
                AddDependency(edit, entry);
            continue;
        }
        const DependencyKey keys[] = {DependencyKey::Delete, DependencyKey::MoveUp,
                                      DependencyKey::MoveDown};
        ApplyDependencyKey(edit, keys[breakCode - 1], chosen);
    }
    entries = std::move(edit.entries);
}

} // namespace sentrel
