#include "plugins/netstat/core/Listing.h"

#include "plugin-host/kit/core/PanelItems.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace sockwell {
namespace {

constexpr std::uint32_t Loopback = 0x0100007F;

struct Row {
    std::string name, local, remote, state;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << "[" << row.name << "|" << row.local << "|" << row.remote << "|" << row.state
               << "]";
}

std::vector<Row> Texts(const Rows& rows) {
    std::vector<Row> texts;
    for (int i = 0; i < rows.count; ++i) {
        auto const& item = rows.items[i];
        EXPECT_EQ(item.CustomColumnNumber, RowColumnCount);
        texts.push_back({item.Data.FileName, item.CustomColumnData[0], item.CustomColumnData[1],
                         item.CustomColumnData[2]});
    }
    return texts;
}

class ListingTest : public ::testing::Test {
protected:
    ListingTest() : format(settings, ports, nullptr) {
        tables.tcpRead = tables.udpRead = true;
        tables.udp = {{Loopback, 5353, 30}, {0, 137, 99}};
        tables.tcp = {{2, Loopback, 8080, 0, 0, 10}, {5, Loopback, 50000, Loopback, 8080, 20}};
    }
    ~ListingTest() override { ulvar::kit::FreePanelItems(rows.items); }

    Settings settings;
    PortNameTable ports;
    AddressFormatter format;
    EndpointTables tables;
    Rows rows;
    RowProcessList processes;
    ProcessNameLookup names = [](std::uint32_t id) -> std::optional<std::string> {
        static const std::map<std::uint32_t, std::string> running = {
            {10, "server.exe"}, {20, "client.exe"}, {30, "resolver.exe"}};
        auto const found = running.find(id);
        return found == running.end() ? std::nullopt : std::optional(found->second);
    };
};

TEST_F(ListingTest, TcpRowsInTableOrderThenUdpRowsWithOnlyNameColumnsAndPlaceSet) {
    rows = BuildRows(tables, format, nullptr, processes);
    EXPECT_EQ(Texts(rows),
              (std::vector<Row>{{" tcp ", "127.0.0.1:8080", "", "LISTENING"},
                                {" tcp ", "127.0.0.1:50000", "127.0.0.1:8080", "ESTABLISHED"},
                                {" udp ", "127.0.0.1:5353", "*.*", ""},
                                {" udp ", "0.0.0.0:137", "*.*", ""}}));
    ulvar::PanelItem blank{};
    for (int i = 0; i < rows.count; ++i) {
        ulvar::PanelItem item;
        std::memcpy(&item, &rows.items[i], sizeof item);
        std::memset(item.Data.FileName, 0, sizeof item.Data.FileName);
        item.CustomColumnData = nullptr;
        item.CustomColumnNumber = 0;
        EXPECT_EQ(item.UserData, i + 1);
        item.UserData = 0;
        EXPECT_EQ(std::memcmp(&item, &blank, sizeof item), 0) << "row " << i;
    }
    EXPECT_TRUE(processes.empty()) << "no processes outside extended mode";
}

TEST_F(ListingTest, ExtendedModeListsTheOwningProcessOfEveryRowInRowOrder) {
    rows = BuildRows(tables, format, &names, processes);
    ASSERT_EQ(processes.size(), 4u);
    EXPECT_EQ(processes[0].name, "server.exe");
    EXPECT_EQ(processes[0].id, "0xa");
    EXPECT_EQ(processes[1].name, "client.exe");
    EXPECT_EQ(processes[1].id, "0x14");
    EXPECT_EQ(processes[2].name, "resolver.exe");
    EXPECT_EQ(processes[3].name, "???");
    EXPECT_EQ(processes[3].id, "0x63");
}

// The host shows the rows in an order of its own (here descending, after its ".."): the cursor's
// row tells its process, not the cursor's position.
TEST_F(ListingTest, TheCurrentRowsProcessWhateverOrderTheHostShows) {
    rows = BuildRows(tables, format, &names, processes);
    std::vector<ulvar::PanelItem> shown{ulvar::PanelItem{}};
    for (int i = rows.count - 1; i >= 0; --i)
        shown.push_back(rows.items[i]);
    ulvar::PanelInfo panel{};
    panel.PanelItems = shown.data();
    panel.ItemsNumber = static_cast<int>(shown.size());
    const char* const expected[] = {nullptr, "???", "resolver.exe", "client.exe", "server.exe"};
    for (int current = 0; current < panel.ItemsNumber; ++current) {
        panel.CurrentItem = current;
        const ProcessEntry* entry = CurrentRowProcess(panel, processes);
        if (!expected[current]) {
            EXPECT_EQ(entry, nullptr);
            continue;
        }
        ASSERT_NE(entry, nullptr) << current;
        EXPECT_EQ(entry->name, expected[current]) << current;
    }
    panel.CurrentItem = 1;
    EXPECT_EQ(CurrentRowProcess(panel, {}), nullptr) << "outside extended mode";
}

TEST_F(ListingTest, ATableThatWasNotReadGivesNoRows) {
    tables.tcpRead = false;
    rows = BuildRows(tables, format, &names, processes);
    ASSERT_EQ(rows.count, 2);
    EXPECT_STREQ(rows.items[0].Data.FileName, " udp ");
    EXPECT_EQ(processes.size(), 2u);

    tables.udpRead = false;
    ulvar::kit::FreePanelItems(rows.items);
    rows = BuildRows(tables, format, &names, processes);
    EXPECT_EQ(rows.count, 0);
    EXPECT_EQ(rows.items, nullptr);
}

TEST(ProcessIdText, LowercaseHexWithoutLeadingZeros) {
    EXPECT_EQ(ProcessIdText(0), "0x0");
    EXPECT_EQ(ProcessIdText(0x1A2B), "0x1a2b");
    EXPECT_EQ(ProcessIdText(0xFFFFFFFF), "0xffffffff");
}

} // namespace
} // namespace sockwell
