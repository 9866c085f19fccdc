#include "plugins/services/core/DependencyEditor.h"
#include "plugins/services/tests/core/ServiceFixtures.h"
#include "plugins/services/tests/core/TestText.h"

#include <gtest/gtest.h>

namespace sentrel::test {

TEST(DependencyEditor, KeysChangeTheListAndThePosition) {
    using Entries = std::vector<std::string>;
    struct Case {
        DependencyKey key;
        int chosen;
        Entries after;
        int current;
    };
    const Entries start = {"a", "b", "c"};
    const Case cases[] = {
        {DependencyKey::MoveUp, 0, start, 0}, // at the top: nothing
        {DependencyKey::MoveUp, 2, {"a", "c", "b"}, 1},
        {DependencyKey::MoveDown, 0, {"b", "a", "c"}, 1},
        {DependencyKey::MoveDown, 2, start, 2}, // at the bottom: nothing
        {DependencyKey::Delete, 1, {"a", "c"}, 1},
        {DependencyKey::Delete, 2, {"a", "b"}, 1}, // the last line: the position moves up
        {DependencyKey::Delete, 3, start, 0},      // no such line
        {DependencyKey::MoveUp, -1, start, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.key) << " at " << c.chosen);
        DependencyEdit edit{start, 0};
        ApplyDependencyKey(edit, c.key, c.chosen);
        EXPECT_EQ(edit.entries, c.after);
        EXPECT_EQ(edit.current, c.current);
    }
    DependencyEdit single{{"only"}, 0};
    ApplyDependencyKey(single, DependencyKey::Delete, 0);
    EXPECT_TRUE(single.entries.empty());
    EXPECT_EQ(single.current, 0);
    AddDependency(single, "+Group");
    AddDependency(single, "svc");
    EXPECT_EQ(single.entries, (Entries{"+Group", "svc"}));
    EXPECT_EQ(single.current, 1);
}

TEST(DependencyEditor, MenuTitleLinesAndBottomText) {
    EXPECT_EQ(DependencyMenuTitle("Dependencies of %1", "Spooler"), "Dependencies of Spooler");
    const std::string longName(80, 'n');
    const std::string shortened = DependencyMenuTitle("Dependencies of %1", longName);
    EXPECT_EQ(shortened.size(), 60u);
    EXPECT_EQ(shortened, "Dependencies of " + std::string(41, 'n') + "...");
    const std::string longFormat(70, 'f');
    const std::string cut = DependencyMenuTitle(longFormat + " %1", "x");
    EXPECT_EQ(cut, std::string(57, 'f') + "...");

    EXPECT_EQ(DependencyLine("+NetBIOSGroup", "Group %1"), "Group NetBIOSGroup");
    EXPECT_EQ(DependencyLine("Tcpip", "Group %1"), "Tcpip");
    EXPECT_EQ(DependencyLine("+", "Group %1"), "+");
    EXPECT_EQ(DependencyLine(std::string(200, 's'), "Group %1").size(), 127u);

    EXPECT_EQ(DependencyBottomMessage(0), 199);
    EXPECT_EQ(DependencyBottomMessage(1), 200);
    EXPECT_EQ(DependencyBottomMessage(7), 201);
}

TEST(DependencyEditor, CandidatesLeaveOutTheServiceItselfAndWhatIsListed) {
    ServiceList list;
    auto add = [&list](const std::string& name, const std::string& group,
                       const std::string& display) {
        auto record = MakeService(name, StateStopped, 3, display);
        record->config.loadOrderGroup = group;
        list.InsertRecord(record);
    };
    add("tcpip", "Net", "TCP/IP");
    add("Self", "", "The edited one");
    add("beta", "net", "Beta service");
    add("Alpha", "Base", "Alpha service");
    add("Listed", "Video", "Already there");
    add(std::string(70, 'L'), "", "Long");

    const auto candidates = DependencyCandidates(list, "SELF", {"listed", "+VIDEO"}, Text());
    std::vector<std::string> entries;
    for (const auto& candidate : candidates)
        entries.push_back(candidate.entry);
    EXPECT_EQ(entries, (std::vector<std::string>{"+Base", "+net", "", "Alpha", "beta",
                                                 std::string(70, 'L'), "tcpip"}));
    const std::string pad(71 - 5, ' ');
    EXPECT_EQ(candidates[3].text, ("Alpha" + pad + "\xB3 Alpha service").substr(0, 60));
    EXPECT_EQ(candidates[2].text, "");
    EXPECT_EQ(candidates[5].text.size(), 60u);

    ServiceList small;
    small.InsertRecord(MakeService("b", StateStopped, 3, "Bee"));
    small.InsertRecord(MakeService("aaa", StateStopped, 3, "Ay"));
    const auto lines = DependencyCandidates(small, "x", {}, Text());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, "aaa \xB3 Ay");
    EXPECT_EQ(lines[2].text, "b   \xB3 Bee");
}

TEST(DependencyEditor, TheSystemsListFormClearsWithTwoZeros) {
    using namespace std::string_literals;
    EXPECT_EQ(DoubleZeroList({}), "\0\0"s);
    EXPECT_EQ(DoubleZeroList({"a"}), "a\0\0"s);
    EXPECT_EQ(DoubleZeroList({"a", "+G"}), "a\0+G\0\0"s);
}

} // namespace sentrel::test
