#pragma once

// A plug-in library loaded with LoadLibrary and its entry points looked up by name. Owns the
// module handle: not copyable, movable; FreeLibrary when destroyed or reset.

#include "standin/core/EntryPoints.h"

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
    ~PluginLibrary();

    bool Loaded() const { return module_ != nullptr; }
    // Why loading failed (the system's text of the error code), or "".
    const std::string& Error() const { return error_; }
    // The library's full path as the system reports it.
    const std::string& Path() const { return path_; }
    const PluginEntryPoints& EntryPoints() const { return entryPoints_; }
    // Looks up any export by name (null when missing or not loaded).
    void* Export(const char* name) const;
    void Reset();

private:
    void* module_ = nullptr; // HMODULE, kept opaque so that this header needs no windows.h
    std::string path_;
    std::string error_;
    PluginEntryPoints entryPoints_;
};

} // namespace ulvar::standin
