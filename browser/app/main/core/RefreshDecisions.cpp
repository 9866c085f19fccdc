#include "browser/app/main/core/RefreshDecisions.h"

#include "browser/catalogue/core/CobwenArchive.h"

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

std::wstring DownloadedFile(std::wstring_view destFolder, std::wstring_view transferName) {
    std::wstring file(destFolder);
    if (!file.empty() && file.back() != L'\\')
        file += L'\\';
    return file.append(transferName);
}

} // namespace cobwen
