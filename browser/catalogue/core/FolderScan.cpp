#include "browser/catalogue/core/FolderScan.h"

namespace cobwen {

namespace {

bool Counts(ScanKind kind, std::uint64_t fileSize, std::int32_t recordSize) {
    const auto size = static_cast<std::int32_t>(static_cast<std::uint32_t>(fileSize));
    return kind == ScanKind::Downloaded ? size >= 0 && size == recordSize
                                        : size < 0 || size != recordSize;
}

void Walk(const FolderLister& lister, const std::string& folder, ScanKind kind,
          const std::atomic<bool>& terminate, const std::function<void(std::int32_t)>& found,
          const RecordByName& byName) {
    lister.List(folder, [&](const FolderEntry& entry) {
        if (terminate)
            return false;
        if (entry.Name == "." || entry.Name == "..")
            return true;
        if (entry.Folder) {
            Walk(lister, lister.Join(folder, entry.Name), kind, terminate, found, byName);
        } else if (const TCobwenData* record = byName(entry.Name);
                   record != nullptr && Counts(kind, entry.Size, record->Size)) {
            found(record->Id);
        }
        return !terminate;
    });
}

} // namespace

void ScanFolder(const FolderLister& lister, const std::string& folder,
                const TCobwenArchive& archive, ScanKind kind, const std::atomic<bool>& terminate,
                const std::function<void(std::int32_t id)>& found, const RecordByName& byName) {
    const RecordByName lookup = byName ? byName : [&archive](std::string_view name) {
        return archive.FindByFileName(name);
    };
    Walk(lister, folder, kind, terminate, found, lookup);
}

} // namespace cobwen
