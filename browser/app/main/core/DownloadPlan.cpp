#include "browser/app/main/core/DownloadPlan.h"

#include "browser/catalogue/core/UrlHelpers.h"

#include <algorithm>
#include <limits>

namespace cobwen {

namespace {

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string TargetName(const std::string& url, const std::string& filesUrl, bool keepFolders) {
    if (!keepFolders)
        return UrlFileName(url);
    std::string name = url;
    if (!filesUrl.empty()) {
        const std::size_t at = AsciiLower(url).find(AsciiLower(filesUrl));
        if (at != std::string::npos)
            name.erase(at, filesUrl.size());
    }
    std::ranges::replace(name, '/', '\\');
    return name;
}

} // namespace

DownloadPlan PlanDownload(const std::vector<const TCobwenData*>& records,
                          const std::string& filesUrl, bool saveDirectoryStructure) {
    DownloadPlan plan;
    for (const TCobwenData* record : records) {
        if (!record)
            continue;
        plan.Total += record->Size;
        const std::string url = AsciiLower(record->URL).find("http://") != std::string::npos
                                    ? record->URL
                                    : filesUrl + record->URL;
        plan.Urls.push_back(url);
        plan.TargetNames.push_back(TargetName(url, filesUrl, saveDirectoryStructure));
    }
    return plan;
}

void SelectionOrder::Update(const std::vector<int>& selectedInRowOrder) {
    std::erase_if(items_, [&](int item) {
        return std::ranges::find(selectedInRowOrder, item) == selectedInRowOrder.end();
    });
    for (const int item : selectedInRowOrder)
        if (std::ranges::find(items_, item) == items_.end())
            items_.push_back(item);
}

std::int32_t TransfersAtOnce(std::int64_t maxDownloadCount) {
    constexpr std::int64_t Largest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(maxDownloadCount, 1, Largest));
}

DownloadStatus StatusAtStart(int filesInFlight, std::int32_t maxCount) {
    return filesInFlight == 1 || maxCount == 1 ? DownloadStatus::OneFile
                                               : DownloadStatus::ManyFiles;
}

} // namespace cobwen
