#pragma once

#include "browser/catalogue/core/CobwenData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cobwen {

// What a download run hands to the transfer queue: each archive's URL and its name below the
// download folder, with the sum of the records' sizes.
struct DownloadPlan {
    std::vector<std::string> Urls;
    std::vector<std::string> TargetNames; // parallel to Urls
    std::int64_t Total = 0;
};

// The URL is the record's when it holds "http://" (in any case), otherwise `filesUrl` followed by
// it. The name: with `saveDirectoryStructure` the URL without its first `filesUrl` (compared
// without regard to case) and with "/" turned into "\", so that the archive lands in the site's
// sub-folders; otherwise the URL's file name. A name that would leave the download folder is
// refused by the transfer itself, which reports it as the transfer's failure.
DownloadPlan PlanDownload(const std::vector<const TCobwenData*>& records,
                          const std::string& filesUrl, bool saveDirectoryStructure);

// The rows of a list in the order they were selected: rows selected by one action come in row
// order, after those selected before; a row no longer selected leaves.
class SelectionOrder {
public:
    void Update(const std::vector<int>& selectedInRowOrder);
    void Clear() { items_.clear(); }
    const std::vector<int>& Items() const { return items_; }

private:
    std::vector<int> items_;
};

// The number of transfers at once for the setting MaxDownloadCount: below 1 (the settings allow
// 0) one at a time, never none or unlimited.
std::int32_t TransfersAtOnce(std::int64_t maxDownloadCount);

// The status text while a run transfers.
enum class DownloadStatus {
    OneFile,   // "Загрузка файла %s..." with the URL
    ManyFiles, // "Загрузка файлов..."
};
DownloadStatus StatusAtStart(int filesInFlight, std::int32_t maxCount);

} // namespace cobwen
