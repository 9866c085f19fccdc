#pragma once

// A plug-in library loaded with LoadLibrary and its entry points looked up by name. Owns the
// module: not copyable, movable; unloaded when destroyed or reset.

#include "plugin-host/standin/core/EntryPoints.h"
#include "win32/Handle.h"

#include <string>

namespace ulvar::standin {

class PluginLibrary {
public:
    PluginLibrary() = default;
    // Loads the library; Loaded() and Error() tell how it went.
    explicit PluginLibrary(const std::string& path);
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    PluginLibrary(PluginLibrary&& other) noexcept;
    PluginLibrary& operator=(PluginLibrary&& other) noexcept;

    bool Loaded() const { return module_.Valid(); }
    // Why loading failed (the system's text of the error code), or "".
    const std::string& Error() const { return error_; }
    // The library's full path as the system reports it.
    const std::string& Path() const { return path_; }
    const PluginEntryPoints& EntryPoints() const { return entryPoints_; }
    // Looks up any export by name (null when missing or not loaded).
    void* Export(const char* name) const;
    void Reset();

private:
    win32::ModuleHandle module_;
    std::string path_;
    std::string error_;
    PluginEntryPoints entryPoints_;
};

} // namespace ulvar::standin
