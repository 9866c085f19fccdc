#include "browser/app/main/core/BasketDecisions.h"

#include "browser/app/main/core/DownloadPlan.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

#include <limits>

namespace cobwen {
namespace {

// Records with the given ids, URLs and sizes, in this order.
struct Line {
    std::int32_t id;
    const char* url;
    std::int32_t size;
};

std::string CatalogueText(std::initializer_list<Line> lines) {
    std::string text;
    for (const Line& line : lines)
        text += std::to_string(line.id) + std::string(6, '\x14') + line.url + '\x14' +
                std::to_string(line.size) + std::string(11, '\x14') + "\r\n";
    return text;
}

TMCIntegerList Ids(std::initializer_list<std::int32_t> ids) {
    TMCIntegerList list;
    for (const std::int32_t id : ids)
        list.Add(id);
    return list;
}

class BasketTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(archive.LoadFromText(CatalogueText({{40, "a.zip", 1000},
                                                      {7, "sub/b.rar", 2048},
                                                      {12, "c.7z", 0},
                                                      {3, "d.zip", 1536}})),
                  LoadOk);
    }
    BuiltinRussianLocale locale;
    TCobwenArchive archive{locale};
};

TEST_F(BasketTest, RowsInArchiveOrderWithoutIdsThatLeftTheCatalogue) {
    // The basket's own order (3 before 40) does not order the rows; 99 has no record.
    EXPECT_EQ(BasketRows(archive, Ids({3, 99, 40})), (std::vector<int>{0, 3}));
    EXPECT_TRUE(BasketRows(archive, Ids({})).empty());
    EXPECT_TRUE(BasketRows(archive, Ids({99})).empty());
}

TEST_F(BasketTest, TotalCountsOnlyRecordsInTheCatalogue) {
    EXPECT_EQ(BasketTotal(archive, Ids({3, 99, 40})), 2536);
    EXPECT_EQ(BasketTotalText(archive, Ids({7}), locale), FormatSize(2048, locale));
    EXPECT_EQ(BasketTotalText(archive, Ids({7, 3}), locale), FormatSize(3584, locale));
    // Nothing to count, or only a record of size 0: the catalogue date.
    const std::string date = FormatShortDate(archive.CatalogueDate(), locale);
    EXPECT_EQ(BasketTotalText(archive, Ids({}), locale), date);
    EXPECT_EQ(BasketTotalText(archive, Ids({12, 99}), locale), date);
}

TEST(BasketTotalText, TotalBeyondThirtyTwoBitsShowsTheLargestSize) {
    BuiltinRussianLocale locale;
    TCobwenArchive archive{locale};
    constexpr std::int32_t Big = std::numeric_limits<std::int32_t>::max();
    ASSERT_EQ(archive.LoadFromText(CatalogueText({{1, "a", Big}, {2, "b", Big}})), LoadOk);
    EXPECT_EQ(BasketTotal(archive, Ids({1, 2})), 2 * std::int64_t{Big});
    EXPECT_EQ(BasketTotalText(archive, Ids({1, 2}), locale), FormatSize(Big, locale));
}

TEST(CanDownload, FollowsTheBasketOrTheFocusedCatalogueRow) {
    struct Case {
        const char* name;
        DownloadReadiness state;
        bool expected;
    };
    const Case cases[] = {
        {"basket with rows", {false, true, 2, 0, false}, true},
        {"empty basket", {false, true, 0, 10, true}, false},
        {"basket busy", {true, true, 2, 0, false}, false},
        {"no basket, focused row", {false, false, 5, 10, true}, true},
        {"no basket, no focused row", {false, false, 0, 10, false}, false},
        {"no basket, no rows", {false, false, 0, 0, true}, false},
        {"no basket, busy", {true, false, 0, 10, true}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CanDownload(c.state), c.expected) << c.name;
}

TEST(DropOnList, TheBasketTakesFromEitherListAndTheCatalogueTakesBack) {
    using L = ActiveList;
    using D = DropAction;
    const struct {
        L source, target;
        bool basketUsed;
        D expected;
    } cases[] = {
        {L::Catalogue, L::Basket, true, D::AddToBasket},
        {L::Basket, L::Basket, true, D::AddToBasket},
        {L::Basket, L::Catalogue, true, D::RemoveFromBasket},
        {L::Catalogue, L::Catalogue, true, D::None},
        {L::Catalogue, L::Basket, false, D::None},
        {L::Basket, L::Catalogue, false, D::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DropOnList(c.source, c.target, c.basketUsed), c.expected)
            << static_cast<int>(c.source) << " onto " << static_cast<int>(c.target)
            << (c.basketUsed ? " with" : " without") << " the basket";
}

TEST(BasketFocus, RefillKeepsTheFocusedRowOrItsNeighbour) {
    struct Case {
        const char* name;
        ListRows rows;
        int focused;
        int neighbour;
    };
    const Case cases[] = {
        {"middle row: the one before", {{5, 6, 7}, {false, false, false}, 1}, 6, 5},
        {"first row: the one after", {{5, 6, 7}, {false, false, false}, 0}, 5, 6},
        {"only row", {{5}, {false}, 0}, 5, -1},
        {"no focus", {{5, 6}, {false, false}, -1}, -1, -1},
        {"empty", {{}, {}, -1}, -1, -1},
    };
    for (const Case& c : cases) {
        const BasketFocus focus = FocusBeforeRefill(c.rows);
        EXPECT_EQ(focus.Focused, c.focused) << c.name;
        EXPECT_EQ(focus.Neighbour, c.neighbour) << c.name;
    }
}

TEST(BasketFocus, RemovalFocusesTheRowAfterTheLastSelectedElseBeforeTheFirst) {
    struct Case {
        const char* name;
        std::vector<bool> selected;
        int expected;
    };
    const Case cases[] = {
        {"after the last selected", {false, true, false, true, false}, 14},
        {"last selected at the end", {false, true, false, false, true}, 10},
        {"all selected", {true, true, true, true, true}, -1},
        {"first only", {true, false, false, false, false}, 11},
        {"nothing selected", {false, false, false, false, false}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FocusAfterRemoval({{10, 11, 12, 13, 14}, c.selected, 0}), c.expected) << c.name;
}

TEST(DownloadPlan, UrlsAndTargetNames) {
    const std::string files = "http://site.test/downld/files/";
    struct Case {
        const char* name;
        const char* url;
        bool keepFolders;
        const char* expectedUrl;
        const char* expectedTarget;
    };
    const Case cases[] = {
        {"plain name", "a.zip", false, "http://site.test/downld/files/a.zip", "a.zip"},
        {"folders dropped", "x/y/b.rar", false, "http://site.test/downld/files/x/y/b.rar", "b.rar"},
        {"folders kept", "x/y/b.rar", true, "http://site.test/downld/files/x/y/b.rar",
         "x\\y\\b.rar"},
        {"absolute URL kept as it is", "HTTP://other.test/p/c.7z", false,
         "HTTP://other.test/p/c.7z", "c.7z"},
        {"files URL found in any case", "HTTP://SITE.TEST/downld/FILES/x/d.zip", true,
         "HTTP://SITE.TEST/downld/FILES/x/d.zip", "x\\d.zip"},
        // The transfer refuses this name; the plan does not hide it.
        {"a climbing name stays visible", "../../evil.zip", true,
         "http://site.test/downld/files/../../evil.zip", "..\\..\\evil.zip"},
    };
    for (const Case& c : cases) {
        TCobwenData record;
        record.URL = c.url;
        record.Size = 10;
        const DownloadPlan plan = PlanDownload({&record}, files, c.keepFolders);
        ASSERT_EQ(plan.Urls.size(), 1u) << c.name;
        EXPECT_EQ(plan.Urls[0], c.expectedUrl) << c.name;
        EXPECT_EQ(plan.TargetNames[0], c.expectedTarget) << c.name;
    }
}

TEST(DownloadPlan, TotalAndOrderFollowTheRecords) {
    TCobwenData a, b;
    a.URL = "a.zip";
    a.Size = 100;
    b.URL = "b.zip";
    b.Size = std::numeric_limits<std::int32_t>::max();
    const DownloadPlan plan = PlanDownload({&b, &a}, "http://h/", false);
    EXPECT_EQ(plan.Urls, (std::vector<std::string>{"http://h/b.zip", "http://h/a.zip"}));
    EXPECT_EQ(plan.Total, std::int64_t{100} + std::numeric_limits<std::int32_t>::max());
}

TEST(SelectionOrder, KeepsTheOrderRowsWereSelectedIn) {
    SelectionOrder order;
    order.Update({7});
    order.Update({3, 7});
    order.Update({3, 5, 7});
    EXPECT_EQ(order.Items(), (std::vector<int>{7, 3, 5}));
    order.Update({3, 5});
    EXPECT_EQ(order.Items(), (std::vector<int>{3, 5}));
    order.Update({1, 2, 3, 5});
    EXPECT_EQ(order.Items(), (std::vector<int>{3, 5, 1, 2}));
    order.Update({});
    EXPECT_TRUE(order.Items().empty());
}

TEST(DownloadPlan, TransfersAtOnceIsNeverBelowOne) {
    EXPECT_EQ(TransfersAtOnce(0), 1);
    EXPECT_EQ(TransfersAtOnce(-5), 1);
    EXPECT_EQ(TransfersAtOnce(1), 1);
    EXPECT_EQ(TransfersAtOnce(3), 3);
    EXPECT_EQ(TransfersAtOnce(std::int64_t{1} << 40), std::numeric_limits<std::int32_t>::max());
}

TEST(DownloadPlan, StatusNamesTheFileWhenOneTransfersAtATime) {
    EXPECT_EQ(StatusAtStart(1, 3), DownloadStatus::OneFile);
    EXPECT_EQ(StatusAtStart(3, 1), DownloadStatus::OneFile);
    EXPECT_EQ(StatusAtStart(3, 3), DownloadStatus::ManyFiles);
    EXPECT_EQ(StatusAtStart(2, 3), DownloadStatus::ManyFiles);
}

} // namespace
} // namespace cobwen
