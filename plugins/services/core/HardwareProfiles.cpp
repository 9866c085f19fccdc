#include "plugins/services/core/HardwareProfiles.h"

#include "plugins/services/core/MessageText.h"

#include <algorithm>
#include <cctype>

namespace sentrel {

namespace {

constexpr std::size_t TitleLength = 60;
constexpr std::size_t LineLength = 127;
constexpr int CannotReadProfiles = 142;
constexpr int NoDevices = 143;     // drivers: 144
constexpr int CannotEnable = 145;  // drivers: 146
constexpr int CannotDisable = 147; // drivers: 148

std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Runs the steps after the library was loaded; the error noted on the way, or 0.
std::uint32_t RunConnected(ConfigManager& manager, ProfileMenuUi& ui,
                           const ProfileRequest& request) {
    const int variant = request.drivers ? 1 : 0;
    std::uint32_t size = 0;
    std::uint32_t result = manager.DeviceListSize(request.serviceName, size);
    if (result == cr::NoSuchValue || result == cr::NoSuchRegistryKey) {
        ui.Notice(0, NoDevices + variant);
        return 0;
    }
    if (result != cr::Success)
        return WindowsErrorOf(result);
    std::vector<char> list(static_cast<std::size_t>(size) + 2, '\0');
    result = manager.DeviceList(request.serviceName, list);
    if (result != cr::Success)
        return WindowsErrorOf(result);
    list.push_back('\0');
    const std::string device(list.data());
    if (device.empty()) {
        ui.Notice(0, NoDevices + variant);
        return 0;
    }

    std::vector<ProfileLine> lines;
    std::uint32_t error = 0;
    for (std::uint32_t index = 0;; ++index) {
        HardwareProfile profile;
        result = manager.ProfileInfo(index, profile);
        if (result == cr::NoMoreHardwareProfiles)
            break;
        if (result != cr::Success) {
            error = WindowsErrorOf(result);
            break;
        }
        std::uint32_t flags = 0;
        result = manager.GetFlags(device, profile.number, flags);
        if (result != cr::Success) {
            error = WindowsErrorOf(result);
            break;
        }
        ProfileLine line;
        line.text = request.oemFromAnsi(profile.friendlyName).substr(0, LineLength);
        line.profile = profile.number;
        line.flags = flags;
        line.checked = (flags & ProfileDisabled) == 0;
        lines.push_back(std::move(line));
    }
    if (error != 0)
        return error;
    std::stable_sort(lines.begin(), lines.end(), [](const ProfileLine& a, const ProfileLine& b) {
        return Lower(a.text) < Lower(b.text);
    });

    const std::string title = ProfileMenuTitle(request.msg(310), request.displayName);
    int selected = 0;
    for (;;) {
        const ProfileChoice choice = ui.Menu(title, lines, selected);
        if (choice.key == ProfileKey::Escape)
            return 0;
        if (choice.item < 0 || choice.item >= static_cast<int>(lines.size())) {
            if (choice.key == ProfileKey::Enter)
                break;
            continue;
        }
        selected = choice.item;
        if (choice.key == ProfileKey::Enter)
            break;
        ProfileLine& line = lines[static_cast<std::size_t>(selected)];
        line.checked = !line.checked;
        if (choice.key == ProfileKey::Insert && selected + 1 < static_cast<int>(lines.size()))
            ++selected;
    }
    for (const ProfileLine& line : lines) {
        const bool enabled = (line.flags & ProfileDisabled) == 0;
        if (line.checked == enabled)
            continue;
        result = manager.SetFlags(device, line.profile, line.flags ^ ProfileDisabled);
        if (result != cr::Success)
            ui.Notice(WindowsErrorOf(result),
                      (line.checked ? CannotEnable : CannotDisable) + variant, request.displayName,
                      line.text);
    }
    return 0;
}

} // namespace

std::uint32_t WindowsErrorOf(std::uint32_t result) {
    switch (result) {
    case 0:
    case 9:
    case 22:
    case 33:
    case 34:
    case 50:
        return 0;
    case 2:
        return 8;
    case 3:
    case 4:
    case 7:
    case 11:
    case 31:
        return 87;
    case 5:
        return 6;
    case 6:
    case 30:
        return 1213;
    case 13:
        return 1243;
    case 14:
    case 15:
        return 1721;
    case 16:
        return 1073;
    case 17:
        return 1781;
    case 21:
        return 1058;
    case 23:
        return 1052;
    case 26:
        return 122;
    case 29:
        return 0x80040151;
    case 35:
        return 259;
    case 37:
    case 46:
        return 0x80040152;
    case 39:
        return 1800;
    case 40:
        return 1310;
    case 44:
        return 0x80004001;
    case 45:
        return 1804;
    case 47:
        return 1210;
    case 48:
        return 1766;
    case 49:
        return 51;
    default:
        return 0x8001FFFF;
    }
}

std::string ProfileMenuTitle(const std::string& format, const std::string& displayName) {
    std::string title = FillInserts(format, {displayName});
    if (title.size() <= TitleLength)
        return title;
    const std::size_t excess = title.size() - TitleLength;
    if (displayName.size() > excess + 3) {
        title =
            FillInserts(format, {displayName.substr(0, displayName.size() - excess - 3) + "..."});
        if (title.size() <= TitleLength)
            return title;
    }
    return title.substr(0, TitleLength - 3) + "...";
}

void RunHardwareProfiles(ConfigManager& manager, ProfileMenuUi& ui, const ProfileRequest& request) {
    std::uint32_t error = manager.Load();
    if (error == 0) {
        const std::uint32_t result = manager.Connect(request.machine);
        if (result != cr::Success) {
            error = WindowsErrorOf(result);
        } else {
            error = RunConnected(manager, ui, request);
            manager.Disconnect();
        }
    }
    if (error != 0)
        ui.Notice(error, CannotReadProfiles);
}

} // namespace sentrel
