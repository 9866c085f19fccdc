#pragma once

#include <string>

namespace cobwen {

class TextLocale;

// The name the catalogue is downloaded under during a refresh.
inline constexpr char CatalogueFileName[] = "plugins.dat.gz";
// Its prefix when the download goes into a folder that holds the local copy itself.
inline constexpr char CatalogueTransferPrefix[] = "_list_";

// Where a catalogue refresh downloads the new catalogue, and under which name.
struct RefreshTarget {
    std::string DestFolder;
    std::string TransferName;

    friend bool operator==(const RefreshTarget&, const RefreshTarget&) = default;
};

// The temporary folder, unless it is missing or is the program's own folder: the new catalogue
// must never be written straight onto the local copy, which is only replaced once the new one
// has loaded. Then the download folder (or the program's folder when none is set) under a
// prefixed name. Folder names are compared without regard to case, as the file system does:
// another spelling of the program's folder is still the program's folder.
RefreshTarget ChooseRefreshTarget(const std::string& tempFolder, const std::string& programFolder,
                                  const std::string& downloadFolder, const TextLocale& locale);

} // namespace cobwen
