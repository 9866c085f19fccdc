#include "plugins/services/core/ServiceItems.h"

#include "plugins/services/core/Messages.h"
#include "plugins/services/tests/core/ServiceFixtures.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

ItemOptions Options(bool swapped = false) {
    ItemOptions options;
    options.swapped = swapped;
    options.message = NumberedMessage;
    options.oemFromAnsi = [](const std::string& ansi) {
        return "o:" + ansi;
    };
    return options;
}

std::string Column(const ulvar::PanelItem& item, int column) {
    return item.CustomColumnData[column];
}

// The list as an enumeration builds it: each record put at the front.
ServiceList ListOf(std::initializer_list<ServicePtr> inEnumerationOrder) {
    ServiceList list;
    for (const ServicePtr& record : inEnumerationOrder)
        list.InsertRecord(record);
    return list;
}

} // namespace

TEST(ServiceItems, ItemsShowTheEnumerationOrderAndTheirColumns) {
    auto first = MakeService("First", StateRunning, 2, "First service");
    auto second = MakeService("SecondLongName", StatePaused, 4, "Second service", "");
    auto third = MakeService("Third", StateStopPending, 9);
    second->config.dependencies = {"a", "b", "c"};
    second->description = "described";
    second->readTime = 1234;
    const ServiceList list = ListOf({first, second, third});
    Listing listing = BuildServiceItems(list, Options());
    ASSERT_EQ(listing.block.Count(), 3u);
    EXPECT_EQ(listing.records.size(), 3u);
    auto& items = listing.block;
    EXPECT_STREQ(items[0].Data.FileName, "o:First");
    EXPECT_STREQ(items[1].Data.FileName, "o:SecondLongName");
    EXPECT_STREQ(items[1].Data.AlternateFileName, "o:Second");
    EXPECT_EQ(items[1].NumberOfLinks, 3u);
    EXPECT_STREQ(items[1].Description, "described");
    EXPECT_EQ(items[1].Data.LastWriteTime, 1234u);
    EXPECT_EQ(items[1].Data.CreationTime, 1234u);
    EXPECT_EQ(RecordOf(items[1]), second.get());
    EXPECT_EQ(items[0].CustomColumnNumber, ServiceColumnCount);

    struct Case {
        int item, column;
        std::string text;
    };
    const Case cases[] = {
        {0, 0, "m33"}, {0, 1, "m39"}, {0, 2, "o:First service"},  {0, 3, "m35"}, {0, 4, "m44"},
        {1, 0, "m34"}, {1, 1, "m41"}, {1, 2, "o:Second service"}, {1, 3, "m36"}, {1, 4, "m46"},
        {2, 0, ""},    {2, 1, ""},    {2, 2, "o:Third"},          {2, 3, ""},    {2, 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << "/" << c.column);
        EXPECT_EQ(Column(items[static_cast<std::size_t>(c.item)], c.column), c.text);
    }
}

TEST(ServiceItems, ASwappedListingNamesItemsByDisplayName) {
    auto record = MakeService("svc1", StateRunning, 3, "Nice name");
    const ServiceList list = ListOf({record});
    Listing listing = BuildServiceItems(list, Options(true));
    EXPECT_STREQ(listing.block[0].Data.FileName, "o:Nice name");
    EXPECT_STREQ(listing.block[0].Data.AlternateFileName, "o:svc1");
    EXPECT_EQ(Column(listing.block[0], 2), "o:svc1");
}

TEST(ServiceItems, TheTopFolderListsTheOtherFolderFirst) {
    const ServiceList list = ListOf({MakeService("a"), MakeService("b")});
    ItemOptions options = Options();
    options.folderItem = "Devices";
    options.now = 777;
    Listing listing = BuildServiceItems(list, options);
    ASSERT_EQ(listing.block.Count(), 3u);
    EXPECT_STREQ(listing.block[0].Data.FileName, "Devices");
    EXPECT_EQ(listing.block[0].Data.FileAttributes, FolderAttributes);
    EXPECT_EQ(listing.block[0].Data.LastAccessTime, 777u);
    EXPECT_EQ(RecordOf(listing.block[0]), nullptr);
    EXPECT_STREQ(listing.block[1].Data.FileName, "o:a");
    EXPECT_STREQ(listing.block[2].Data.FileName, "o:b");
}

TEST(ServiceItems, AttributesComeFromTheTableWhenMappingIsOn) {
    auto running = MakeService("r", StateRunning, 4);
    auto stopped = MakeService("s", StateStopped, 4);
    auto odd = MakeService("o", StateStopped, 8);
    const ServiceList list = ListOf({running, stopped, odd});
    ItemOptions options = Options();
    options.attrTable = BuildAttrTable(DefaultMappings());
    options.attrTable[8] = 0x20;
    Listing off = BuildServiceItems(list, options);
    EXPECT_EQ(off.block[1].Data.FileAttributes, 0u);
    options.useAttrMapping = true;
    Listing on = BuildServiceItems(list, options);
    EXPECT_EQ(on.block[0].Data.FileAttributes, 0u);
    EXPECT_EQ(on.block[1].Data.FileAttributes, 0x2u);
    EXPECT_EQ(on.block[2].Data.FileAttributes, 0u);
}

} // namespace sentrel::test
