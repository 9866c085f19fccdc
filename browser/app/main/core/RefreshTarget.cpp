#include "browser/app/main/core/RefreshTarget.h"

#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/TextLocale.h"

namespace cobwen {

RefreshTarget ChooseRefreshTarget(const std::string& tempFolder, const std::string& programFolder,
                                  const std::string& downloadFolder, const TextLocale& locale) {
    if (!tempFolder.empty() && !locale.SameText(IncludeTrailingDelimiter(tempFolder),
                                                IncludeTrailingDelimiter(programFolder)))
        return {tempFolder, CatalogueFileName};
    return {downloadFolder.empty() ? programFolder : downloadFolder,
            std::string(CatalogueTransferPrefix) + CatalogueFileName};
}

} // namespace cobwen
