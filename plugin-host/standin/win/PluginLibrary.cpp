#include "plugin-host/standin/win/PluginLibrary.h"

#include "plugin-host/standin/win/SystemText.h"

#include <cstring>
#include <utility>
#include <windows.h>

namespace ulvar::standin {

namespace {

template <typename Function> void Lookup(HMODULE module, const char* name, Function& target) {
    FARPROC const address = GetProcAddress(module, name);
    static_assert(sizeof target == sizeof address);
    std::memcpy(&target, &address, sizeof target);
}

} // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
    HMODULE const module = LoadLibraryA(path.c_str());
    if (!module) {
        error_ = SystemErrorText(GetLastError());
        return;
    }
    module_.Reset(module);
    char fullPath[MAX_PATH] = {};
    DWORD const length = GetModuleFileNameA(module, fullPath, MAX_PATH);
    path_ = length ? std::string(fullPath, length) : path;

    auto& e = entryPoints_;
    Lookup(module, "SetStartupInfo", e.SetStartupInfo);
    Lookup(module, "GetPluginInfo", e.GetPluginInfo);
    Lookup(module, "OpenPlugin", e.OpenPlugin);
    Lookup(module, "ClosePlugin", e.ClosePlugin);
    Lookup(module, "GetOpenPluginInfo", e.GetOpenPluginInfo);
    Lookup(module, "GetFindData", e.GetFindData);
    Lookup(module, "FreeFindData", e.FreeFindData);
    Lookup(module, "SetDirectory", e.SetDirectory);
    Lookup(module, "GetFiles", e.GetFiles);
    Lookup(module, "PutFiles", e.PutFiles);
    Lookup(module, "DeleteFiles", e.DeleteFiles);
    Lookup(module, "ProcessKey", e.ProcessKey);
    Lookup(module, "ProcessEvent", e.ProcessEvent);
    Lookup(module, "Compare", e.Compare);
    Lookup(module, "Configure", e.Configure);
    Lookup(module, "ExitUlvar", e.ExitUlvar);
}

PluginLibrary::PluginLibrary(PluginLibrary&& other) noexcept
    : module_(std::move(other.module_)), path_(std::move(other.path_)),
      error_(std::move(other.error_)), entryPoints_(std::exchange(other.entryPoints_, {})) {
}

PluginLibrary& PluginLibrary::operator=(PluginLibrary&& other) noexcept {
    if (this != &other) {
        Reset();
        module_ = std::move(other.module_);
        path_ = std::move(other.path_);
        error_ = std::move(other.error_);
        entryPoints_ = std::exchange(other.entryPoints_, {});
    }
    return *this;
}

void* PluginLibrary::Export(const char* name) const {
    if (!module_.Valid())
        return nullptr;
    FARPROC const address = GetProcAddress(module_.Get(), name);
    void* result = nullptr;
    static_assert(sizeof result == sizeof address);
    std::memcpy(&result, &address, sizeof result);
    return result;
}

void PluginLibrary::Reset() {
    module_.Reset();
    entryPoints_ = {};
}

} // namespace ulvar::standin
