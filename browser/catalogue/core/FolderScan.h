#pragma once

// The walk over the download folder that tells which catalogue plug-ins lie there: every file of
// the folder and its sub-folders (depth first, in the order the system lists them) is matched to
// the catalogue by its name, and its size decides whether it counts.

#include "browser/catalogue/core/CobwenArchive.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace cobwen {

struct FolderEntry {
    std::string Name; // without the folder
    bool Folder = false;
    std::uint64_t Size = 0;
};

// Lists a folder's entries ("." and ".." included or not) one at a time; the visitor returns false
// to stop the listing.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    virtual void List(const std::string& folder,
                      const std::function<bool(const FolderEntry& entry)>& visit) const = 0;
    // The path of an entry of a folder.
    virtual std::string Join(const std::string& folder, const std::string& name) const = 0;
};

enum class ScanKind {
    // A file counts when its size equals the record's: the plug-in has been downloaded.
    Downloaded,
    // A file counts when its size differs (or reads as negative): a newer archive was published.
    Updated,
};

// The record a file name belongs to; the archive's FindByFileName by default.
using RecordByName = std::function<const TCobwenData*(std::string_view name)>;

// Walks `folder` and reports the Id of the record of each file that counts, as often as such a file
// is found. Sizes are taken as 32-bit signed numbers, so files of 2 GiB and more read as negative.
// Stops after the current entry once `terminate` is set.
void ScanFolder(const FolderLister& lister, const std::string& folder,
                const TCobwenArchive& archive, ScanKind kind, const std::atomic<bool>& terminate,
                const std::function<void(std::int32_t id)>& found, const RecordByName& byName = {});

} // namespace cobwen
