#include "browser/app/main/core/RefreshTarget.h"

#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/TextLocale.h"

namespace cobwen {

RefreshTarget ChooseRefreshTarget(const std::string& tempFolder, const std::string& programFolder,
                                  const std::string& downloadFolder, const TextLocale& locale) {
    if (!tempFolder.empty() && !locale.SameText(IncludeTrailingDelimiter(tempFolder),
                                                IncludeTrailingDelimiter(programFolder)))
        return {tempFolder, kCatalogueFileName};
    return {downloadFolder.empty() ? programFolder : downloadFolder,
            std::string(kCatalogueTransferPrefix) + kCatalogueFileName};
}

} // namespace cobwen
