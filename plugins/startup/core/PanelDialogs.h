#pragma once

// The dialogs and questions of the panel, built with the class library: the entry dialog (F3),
// the create dialog of added files, the confirmation of a deletion and the configuration dialog.

#include "plugins/startup/core/Settings.h"
#include "plugins/startup/core/StartupEntries.h"
#include "plugins/startup/ulvarplus/HostRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace launchet {

// Hosts from this build on show values in read-only edit lines.
inline constexpr int ReadOnlyEditsBuild = 687;

// Program, arguments and location of the entry; as read-only edits of width 60 when the host can,
// else as texts shortened to consoleWidth - 10.
void ShowEntryDialog(const ulvarplus::HostRecord& host, const StartupEntry& entry,
                     int consoleWidth);

struct CreateChoice {
    std::string name;      // one file: the edited name
    std::string arguments; // one file: the edited arguments
    int createAs = -1;     // the chosen radio position, -1 for none
};

// The create dialog for fileCount files (name and argument lines for one file only); nothing when
// it was cancelled.
std::optional<CreateChoice> AskCreate(const ulvarplus::HostRecord& host, std::size_t fileCount,
                                      const std::string& defaultName, std::uint32_t createAs);

// True when the user chose to delete the entries.
bool ConfirmDelete(const ulvarplus::HostRecord& host, const std::vector<StartupEntry*>& entries);

// The menu settings as the dialog left them when it was accepted; nothing otherwise.
std::optional<Settings> AskConfiguration(const ulvarplus::HostRecord& host,
                                         const Settings& settings);

} // namespace launchet
