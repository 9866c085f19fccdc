#include "browser/app/main/core/RefreshDecisions.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/TextHelpers.h"

namespace cobwen {

ShowStatus StatusAfterShowLoad(int result) {
    if (result == LoadOk)
        return ShowStatus::CatalogueDate;
    return result < LoadSkippedLines ? ShowStatus::EmptyOrBad : ShowStatus::CannotLoad;
}

LoadReaction ReactionToLoad(int result, bool warn) {
    if (result == LoadNoLines || result == LoadUnreadable)
        return LoadReaction::Refuse;
    return result == LoadSkippedLines && warn ? LoadReaction::TakeWithWarning : LoadReaction::Take;
}

DownloadFate FateOfDownload(int loadResult) {
    return loadResult == LoadOk ? DownloadFate::Replace : DownloadFate::Discard;
}

std::string DownloadedFile(const std::string& destFolder, const std::string& transferName) {
    return IncludeTrailingDelimiter(destFolder) + transferName;
}

} // namespace cobwen
