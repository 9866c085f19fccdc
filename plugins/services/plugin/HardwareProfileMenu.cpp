#include "plugins/services/plugin/HardwareProfileMenu.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/HardwareProfiles.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"

#include <windows.h>

namespace sentrel {

namespace {

class HostProfileUi : public ProfileMenuUi {
public:
    explicit HostProfileUi(const Library& lib) : lib_(lib) {}

    ProfileChoice Menu(const std::string& title, const std::vector<ProfileLine>& lines,
                       int selected) override {
        static constexpr int BreakKeys[] = {ulvar::MakeBreakKey(VK_SPACE, 0),
                                            ulvar::MakeBreakKey(VK_INSERT, 0), 0};
        std::vector<ulvar::MenuItem> items;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ulvar::MenuItem item =
                ulvar::kit::MakeMenuItem(lines[i].text, static_cast<int>(i) == selected);
            item.Checked = lines[i].checked ? 1 : 0;
            items.push_back(item);
        }
        int breakCode = -1;
        const int chosen =
            lib_.host.Menu(0, title.c_str(), items.data(), static_cast<int>(items.size()),
                           BreakKeys, &breakCode, lib_.Msg(311), "HWConfM");
        if (chosen < 0)
            return {ProfileKey::Escape, -1};
        if (breakCode == 0)
            return {ProfileKey::Space, chosen};
        if (breakCode == 1)
            return {ProfileKey::Insert, chosen};
        return {ProfileKey::Enter, chosen};
    }

    void Notice(std::uint32_t error, int message, const std::string& insert1,
                const std::string& insert2) override {
        lib_.ErrorNotice(error, message, insert1, insert2);
    }

private:
    const Library& lib_;
};

} // namespace

void EditHardwareProfiles(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    ulvar::PanelInfo info{};
    const ServiceNode* record = folder.CurrentRecord(info);
    if (!record)
        return;
    ProfileRequest request;
    request.serviceName = record->name;
    request.displayName = lib.text.OemFromAnsi(record->config.displayName);
    request.machine = "\\\\" + (panel.Computer().empty() ? lib.localName : panel.Computer());
    request.drivers = folder.Drivers();
    request.msg = [&lib](int number) {
        return std::string(lib.Msg(number));
    };
    request.oemFromAnsi = [&lib](const std::string& ansi) {
        return lib.text.OemFromAnsi(ansi);
    };
    const std::unique_ptr<ConfigManager> manager = lib.configManager();
    HostProfileUi ui(lib);
    RunHardwareProfiles(*manager, ui, request);
}

} // namespace sentrel
