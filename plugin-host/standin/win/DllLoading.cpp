#include "plugin-host/standin/win/DllLoading.h"

#include "plugin-host/standin/win/PluginLibrary.h"

#include <memory>
#include <utility>

namespace ulvar::standin {

namespace {

class KeptLibrary : public LoadedLibrary {
public:
    explicit KeptLibrary(PluginLibrary library) : library_(std::move(library)) {}
    const PluginLibrary& Library() const { return library_; }

private:
    PluginLibrary library_;
};

void Tell(std::string* error, std::string text) {
    if (error)
        *error = std::move(text);
}

} // namespace

bool LoadDll(StandInHost& host, const std::string& path, std::string* error) {
    if (host.Loaded()) {
        Tell(error, "a plug-in is loaded already");
        return false;
    }
    PluginLibrary library(path);
    if (!library.Loaded()) {
        Tell(error, library.Error());
        return false;
    }
    auto kept = std::make_unique<KeptLibrary>(std::move(library));
    const PluginEntryPoints entryPoints = kept->Library().EntryPoints();
    const std::string fullPath = kept->Library().Path();
    Tell(error, "");
    return host.Load(entryPoints, fullPath, std::move(kept));
}

int AddDll(StandInHost& host, const std::string& path, std::string* error) {
    PluginLibrary library(path);
    if (!library.Loaded()) {
        Tell(error, library.Error());
        return -1;
    }
    auto kept = std::make_unique<KeptLibrary>(std::move(library));
    const PluginEntryPoints entryPoints = kept->Library().EntryPoints();
    const std::string fullPath = kept->Library().Path();
    Tell(error, "");
    return host.AddPlugin(entryPoints, fullPath, std::move(kept));
}

} // namespace ulvar::standin
