#pragma once

// The hardware-profile menu (Alt+F4): the devices of a service enabled or disabled per hardware
// profile through the configuration manager. The manager is reached through ConfigManager, a
// narrow interface over its functions (the system's one looks them up by name); the menu and the
// notices through ProfileMenuUi. Only the first device of the service is shown and changed.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sentrel {

// Result codes of the configuration manager.
namespace cr {
inline constexpr std::uint32_t Success = 0;
inline constexpr std::uint32_t NoMoreHardwareProfiles = 35;
inline constexpr std::uint32_t NoSuchValue = 37;
inline constexpr std::uint32_t NoSuchRegistryKey = 46;
} // namespace cr

// The Windows error code a configuration-manager result stands for (0 for the successes).
std::uint32_t WindowsErrorOf(std::uint32_t result);

inline constexpr std::uint32_t ProfileDisabled = 0x1;

struct HardwareProfile {
    std::uint32_t number = 0;
    std::string friendlyName; // ANSI
};

class ConfigManager {
public:
    virtual ~ConfigManager() = default;
    // Finds the functions; a Windows error code (of the lookup), 0 when all were found.
    virtual std::uint32_t Load() = 0;
    // The calls below answer with configuration-manager results. machine: "\\NAME".
    virtual std::uint32_t Connect(const std::string& machine) = 0;
    virtual void Disconnect() = 0;
    // The device instance identifiers of a service (ANSI name): the size in characters of the
    // double-zero-terminated list, then the list.
    virtual std::uint32_t DeviceListSize(const std::string& service, std::uint32_t& size) = 0;
    virtual std::uint32_t DeviceList(const std::string& service, std::vector<char>& list) = 0;
    virtual std::uint32_t ProfileInfo(std::uint32_t index, HardwareProfile& profile) = 0;
    virtual std::uint32_t GetFlags(const std::string& device, std::uint32_t profile,
                                   std::uint32_t& flags) = 0;
    virtual std::uint32_t SetFlags(const std::string& device, std::uint32_t profile,
                                   std::uint32_t flags) = 0;
};

struct ProfileLine {
    std::string text; // the friendly name, OEM, at most 127 characters
    std::uint32_t profile = 0;
    std::uint32_t flags = 0; // as read
    bool checked = false;    // enabled: the disabled bit clear
};

// How the menu closed: Enter or Escape (item -1), or one of its break keys on an item.
enum class ProfileKey { Enter, Escape, Space, Insert };
struct ProfileChoice {
    ProfileKey key = ProfileKey::Escape;
    int item = -1;
};

class ProfileMenuUi {
public:
    virtual ~ProfileMenuUi() = default;
    virtual ProfileChoice Menu(const std::string& title, const std::vector<ProfileLine>& lines,
                               int selected) = 0;
    // A notice with the error text of code (none for 0), the message and its inserts (OEM).
    virtual void Notice(std::uint32_t error, int message, const std::string& insert1 = "",
                        const std::string& insert2 = "") = 0;
};

struct ProfileRequest {
    std::string serviceName; // ANSI
    std::string displayName; // OEM
    std::string machine;     // "\\NAME"
    bool drivers = false;    // the drivers' variants of the messages
    std::function<std::string(int)> msg;
    std::function<std::string(const std::string&)> oemFromAnsi;
};

// A menu title: the format (message 310) with the display name, shortened with "..." to fit 60
// characters and, when that is not enough, cut to 57 and "...".
std::string ProfileMenuTitle(const std::string& format, const std::string& displayName);

void RunHardwareProfiles(ConfigManager& manager, ProfileMenuUi& ui, const ProfileRequest& request);

} // namespace sentrel
