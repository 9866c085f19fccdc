#include "plugins/services/win/ConfigManager.h"

#include <cfgmgr32.h>

#include <memory>

namespace sentrel::win {

namespace {

using ConnectFn = CONFIGRET(WINAPI*)(PCSTR, PHMACHINE);
using DisconnectFn = CONFIGRET(WINAPI*)(HMACHINE);
using ListSizeFn = CONFIGRET(WINAPI*)(PULONG, PCSTR, ULONG, HMACHINE);
using ListFn = CONFIGRET(WINAPI*)(PCSTR, PCHAR, ULONG, ULONG, HMACHINE);
using ProfileInfoFn = CONFIGRET(WINAPI*)(ULONG, PHWPROFILEINFO_A, ULONG, HMACHINE);
using GetFlagsFn = CONFIGRET(WINAPI*)(DEVINSTID_A, ULONG, PULONG, ULONG, HMACHINE);
using SetFlagsFn = CONFIGRET(WINAPI*)(DEVINSTID_A, ULONG, ULONG, ULONG, HMACHINE);

template <typename Fn> bool Find(HMODULE library, const char* name, Fn& function) {
    function = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

} // namespace

struct SystemConfigManager::Functions {
    ConnectFn connect = nullptr;
    DisconnectFn disconnect = nullptr;
    ListSizeFn listSize = nullptr;
    ListFn list = nullptr;
    ProfileInfoFn profileInfo = nullptr;
    GetFlagsFn getFlags = nullptr;
    SetFlagsFn setFlags = nullptr;
};

SystemConfigManager::~SystemConfigManager() {
    Disconnect();
    delete functions_;
    if (library_)
        FreeLibrary(library_);
}

std::uint32_t SystemConfigManager::Load() {
    library_ = LoadLibraryA("CFGMGR32");
    if (!library_)
        return GetLastError();
    auto functions = std::make_unique<Functions>();
    const bool found = Find(library_, "CM_Connect_MachineA", functions->connect) &&
                       Find(library_, "CM_Disconnect_Machine", functions->disconnect) &&
                       Find(library_, "CM_Get_Device_ID_List_Size_ExA", functions->listSize) &&
                       Find(library_, "CM_Get_Device_ID_List_ExA", functions->list) &&
                       Find(library_, "CM_Get_Hardware_Profile_Info_ExA", functions->profileInfo) &&
                       Find(library_, "CM_Get_HW_Prof_Flags_ExA", functions->getFlags) &&
                       Find(library_, "CM_Set_HW_Prof_Flags_ExA", functions->setFlags);
    if (!found)
        return GetLastError();
    functions_ = functions.release();
    return 0;
}

std::uint32_t SystemConfigManager::Connect(const std::string& machine) {
    return functions_->connect(machine.c_str(), &machine_);
}

void SystemConfigManager::Disconnect() {
    if (functions_ && machine_)
        functions_->disconnect(machine_);
    machine_ = nullptr;
}

std::uint32_t SystemConfigManager::DeviceListSize(const std::string& service, std::uint32_t& size) {
    ULONG length = 0;
    const CONFIGRET result =
        functions_->listSize(&length, service.c_str(), CM_GETIDLIST_FILTER_SERVICE, machine_);
    size = length;
    return result;
}

std::uint32_t SystemConfigManager::DeviceList(const std::string& service, std::vector<char>& list) {
    return functions_->list(service.c_str(), list.data(), static_cast<ULONG>(list.size()),
                            CM_GETIDLIST_FILTER_SERVICE, machine_);
}

std::uint32_t SystemConfigManager::ProfileInfo(std::uint32_t index, HardwareProfile& profile) {
    HWPROFILEINFO_A info{};
    const CONFIGRET result = functions_->profileInfo(index, &info, 0, machine_);
    if (result == CR_SUCCESS) {
        profile.number = info.HWPI_ulHWProfile;
        info.HWPI_szFriendlyName[sizeof info.HWPI_szFriendlyName - 1] = '\0';
        profile.friendlyName = info.HWPI_szFriendlyName;
    }
    return result;
}

std::uint32_t SystemConfigManager::GetFlags(const std::string& device, std::uint32_t profile,
                                            std::uint32_t& flags) {
    std::string id = device;
    ULONG value = 0;
    const CONFIGRET result = functions_->getFlags(id.data(), profile, &value, 0, machine_);
    flags = value;
    return result;
}

std::uint32_t SystemConfigManager::SetFlags(const std::string& device, std::uint32_t profile,
                                            std::uint32_t flags) {
    std::string id = device;
    return functions_->setFlags(id.data(), profile, flags, 0, machine_);
}

} // namespace sentrel::win
