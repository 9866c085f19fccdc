#include "browser/app/main/core/RefreshDecisions.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(RefreshDecisions, EachLoadResult) {
    struct Case {
        int result;
        ShowStatus show;
        LoadReaction warned;
        LoadReaction unwarned;
        DownloadFate fate;
    };
    const Case cases[] = {
        {-1, ShowStatus::EmptyOrBad, LoadReaction::Take, LoadReaction::Take, DownloadFate::Discard},
        {0, ShowStatus::CatalogueDate, LoadReaction::Take, LoadReaction::Take,
         DownloadFate::Replace},
        {1, ShowStatus::EmptyOrBad, LoadReaction::Refuse, LoadReaction::Refuse,
         DownloadFate::Discard},
        {2, ShowStatus::EmptyOrBad, LoadReaction::Refuse, LoadReaction::Refuse,
         DownloadFate::Discard},
        {3, ShowStatus::CannotLoad, LoadReaction::TakeWithWarning, LoadReaction::Take,
         DownloadFate::Discard},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(StatusAfterShowLoad(c.result), c.show);
        EXPECT_EQ(ReactionToLoad(c.result, true), c.warned);
        EXPECT_EQ(ReactionToLoad(c.result, false), c.unwarned);
        EXPECT_EQ(FateOfDownload(c.result), c.fate);
    }
}

TEST(RefreshDecisions, DownloadedFileIsInItsFolder) {
    EXPECT_EQ(DownloadedFile(L"C:\\Temp", L"plugins.dat.gz"), L"C:\\Temp\\plugins.dat.gz");
    EXPECT_EQ(DownloadedFile(L"C:\\Temp\\", L"_list_plugins.dat.gz"),
              L"C:\\Temp\\_list_plugins.dat.gz");
    // A folder named in Cyrillic stays as the system named it.
    EXPECT_EQ(DownloadedFile(L"C:\\\u041f\u0430\u043f\u043a\u0430", L"plugins.dat.gz"),
              L"C:\\\u041f\u0430\u043f\u043a\u0430\\plugins.dat.gz");
}

} // namespace
} // namespace cobwen
