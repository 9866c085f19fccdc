#include "plugin-host/standin/core/FileTransfers.h"

#include <filesystem>
#include <system_error>

namespace ulvar::standin {

namespace {

namespace fs = std::filesystem;

// The process's current folder set to a folder for the lifetime of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) {
        std::error_code error;
        previous_ = fs::current_path(error);
        if (!error && !folder.empty())
            fs::current_path(fs::path(folder), error);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() {
        std::error_code error;
        if (!previous_.empty())
            fs::current_path(previous_, error);
    }

private:
    fs::path previous_;
};

} // namespace

int PutFilesFromFolder(StandInHost& host, const std::string& folder, std::vector<PanelItem> items,
                       bool move, int opMode) {
    return host.PutFilesFrom(host.ActiveSide(), folder, std::move(items), move, opMode);
}

PanelHandle OpenOverFilePanel(StandInHost& host, int origin, std::intptr_t item) {
    CurrentFolder const current(host.GetPanels().ActiveFiles().folder);
    return host.Open(origin, item);
}

} // namespace ulvar::standin
