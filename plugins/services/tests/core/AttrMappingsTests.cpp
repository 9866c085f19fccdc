#include "plugins/services/core/AttrMappings.h"

#include <gtest/gtest.h>

#include <map>

namespace sentrel::test {

namespace {

// Groups in the order a registry lists them: by their text.
class FakeMappingStore : public MappingStore {
public:
    std::vector<std::string> GroupNames() const override {
        std::vector<std::string> names;
        for (const auto& [name, group] : groups)
            names.push_back(name);
        return names;
    }
    StoredMapping ReadGroup(const std::string& name) const override {
        const auto found = groups.find(name);
        return found == groups.end() ? StoredMapping{} : found->second;
    }
    bool WriteAll(const std::vector<AttrMapping>& mappings) override {
        groups.clear();
        for (std::size_t i = 0; i < mappings.size(); ++i)
            groups[GroupName(i)] = StoredFromMapping(mappings[i]);
        return true;
    }
    std::map<std::string, StoredMapping> groups;
};

constexpr std::uint32_t Minus1 = 0xFFFFFFFF;

} // namespace

TEST(AttrMappings, GroupValuesAreCheckedAsTheyAreRead) {
    struct Case {
        StoredMapping stored;
        std::optional<AttrMapping> expected;
    };
    const Case cases[] = {
        {{0, 0, 0x1}, AttrMapping{0, 0, 0x1}},
        {{4, 2, 0x827}, AttrMapping{4, 2, 0x827}},
        {{std::nullopt, std::nullopt, 0x2}, AttrMapping{Any, Any, 0x2}},
        {{Minus1, Minus1, 0x20}, AttrMapping{Any, Any, 0x20}},
        {{5, 0, 0x1}, std::nullopt},
        {{0, 3, 0x1}, std::nullopt},
        {{0xFFFFFFFE, 0, 0x1}, std::nullopt},
        {{0, 0, 0x8}, std::nullopt},
        {{0, 0, std::nullopt}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.stored.startup.value_or(99) << "/" << c.stored.status.value_or(99));
        EXPECT_EQ(MappingFromStored(c.stored), c.expected);
    }
}

TEST(AttrMappings, GroupsComeBackInTheOrderTheyWereWritten) {
    EXPECT_EQ(OrderGroupNames({"Group10", "Group2", "Group0", "Other", "Group1"}),
              (std::vector<std::string>{"Group0", "Group1", "Group2", "Group10", "Other"}));

    FakeMappingStore store;
    std::vector<AttrMapping> written;
    for (std::uint16_t i = 0; i < 12; ++i)
        written.push_back(AttrMapping{static_cast<std::uint8_t>(i % 5), Any,
                                      static_cast<std::uint16_t>(i % 2 ? 0x1 : 0x2)});
    store.WriteAll(written);
    // The registry's text order puts Group10 and Group11 before Group2.
    ASSERT_EQ(store.GroupNames()[2], "Group10");
    EXPECT_EQ(ReadMappings(store), written);
}

TEST(AttrMappings, ReadingSkipsInvalidGroupsAndStopsAt23) {
    FakeMappingStore store;
    store.groups["Group0"] = {9, 0, 0x1};
    for (int i = 1; i <= 30; ++i)
        store.groups[GroupName(static_cast<std::size_t>(i))] = {1, 1, 0x4};
    const auto mappings = ReadMappings(store);
    EXPECT_EQ(mappings.size(), MaxMappings);
    EXPECT_EQ(mappings.front(), (AttrMapping{1, 1, 0x4}));
}

TEST(AttrMappings, StoredFormLeavesAnyOut) {
    const StoredMapping stored = StoredFromMapping(AttrMapping{Any, 1, 0x2});
    EXPECT_FALSE(stored.startup.has_value());
    EXPECT_EQ(stored.status, 1u);
    EXPECT_EQ(stored.attributes, 0x2u);
}

TEST(AttrTable, MappingsApplyInOrderAndSpecificOnesWin) {
    struct Case {
        const char* what;
        std::vector<AttrMapping> mappings;
        int startup, status;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {"nothing", {}, 2, 0, 0},
        {"defaults: disabled running", DefaultMappings(), 4, 0, 0},
        {"defaults: disabled stopped", DefaultMappings(), 4, 2, 0x2},
        {"defaults: automatic running", DefaultMappings(), 2, 0, 0},
        {"specific after partial", {{3, Any, 0x1}, {3, 1, 0x4}}, 3, 1, 0x4},
        {"specific after partial, other cell", {{3, Any, 0x1}, {3, 1, 0x4}}, 3, 2, 0x1},
        {"later specific replaces earlier specific", {{1, 1, 0x1}, {1, 1, 0x20}}, 1, 1, 0x20},
        {"two partials: earlier wins", {{Any, 0, 0x1}, {2, Any, 0x2}}, 2, 0, 0x1},
        {"two partials: the second fills the rest", {{Any, 0, 0x1}, {2, Any, 0x2}}, 2, 1, 0x2},
        {"any any fills unmarked cells", {{0, 0, 0x4}, {Any, Any, 0x20}}, 0, 0, 0x4},
        {"any any elsewhere", {{0, 0, 0x4}, {Any, Any, 0x20}}, 3, 2, 0x20},
        {"a zero mapping marks its cell", {{2, 0, 0}, {Any, Any, 0x2}}, 2, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BuildAttrTable(c.mappings)[static_cast<std::size_t>(c.startup * 3 + c.status)],
                  c.expected);
    }
}

TEST(AttrTable, ServicesGetTheirCellByStartTypeAndState) {
    AttrTable table{};
    table[4 * 3 + 0] = 0x1;
    table[4 * 3 + 1] = 0x2;
    table[4 * 3 + 2] = 0x4;
    EXPECT_EQ(AttributesFor(table, 4, 4), 0x1);
    EXPECT_EQ(AttributesFor(table, 4, 7), 0x2);
    EXPECT_EQ(AttributesFor(table, 4, 2), 0x4);
    EXPECT_EQ(AttributesFor(table, 4, 1), 0x4);
    EXPECT_EQ(AttributesFor(table, 5, 4), 0);
    EXPECT_EQ(AttributesFor(table, 0xFFFFFFFF, 4), 0);
}

} // namespace sentrel::test
