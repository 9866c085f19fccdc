#include "browser/app/templates/core/InfoCommands.h"

#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/templates/tests/core/FakeList.h"
#include "browser/app/templates/tests/core/SampleRecord.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using Texts = std::vector<std::string>;

// Three rows named A, B and C.
test::FakeList ThreeRows() {
    test::FakeList list;
    for (const char* name : {"A", "B", "C"}) {
        TCobwenData record = test::SampleRecord();
        record.Name = name;
        record.URL = std::string("http://cobwen.example/downld/files/") + name + ".rar";
        list.rows.push_back(record);
    }
    return list;
}

TEST(CopyPluginInfo, CopiesTheFocusedRowOrEverySelectedRow) {
    const struct {
        const char* what;
        std::vector<std::size_t> selected;
        std::optional<std::size_t> focused;
        bool all;
        Texts expected;
    } cases[] = {
        {"nothing selected copies nothing", {}, 0, true, {}},
        {"one row", {1}, 1, false, {"B"}},
        {"one row with the option on", {1}, 1, true, {"B"}},
        {"two rows, option off: the focused row only", {0, 2}, 2, false, {"C"}},
        {"the focused row even when it is not selected", {0, 2}, 1, false, {"B"}},
        {"two rows, option on: both in selection order", {2, 0}, 0, true, {"C\rA"}},
        {"three rows", {0, 1, 2}, 1, true, {"A\rB\rC"}},
        {"several rows without a focused row", {0, 1}, std::nullopt, false, {"A\rB"}},
        {"one row with the option on and no focus", {2}, std::nullopt, true, {"C"}},
        {"one row, option off, no focus: an empty text", {2}, std::nullopt, false, {""}},
    };
    const BuiltinRussianLocale locale;
    for (const auto& c : cases) {
        test::FakeList list = ThreeRows();
        list.selected = c.selected;
        list.focused = c.focused;
        test::RecordingClipboard clipboard;
        CopyPluginInfo(list, {"%Name", c.all}, locale, clipboard);
        EXPECT_EQ(clipboard.written, c.expected) << c.what;
    }
}

TEST(CopyPluginInfo, TrimsOnlyTheWholeTextOfSeveralRows) {
    const BuiltinRussianLocale locale;
    test::FakeList list = ThreeRows();
    list.selected = {0, 1};
    list.focused = 0;
    const struct {
        const char* format;
        bool all;
        std::string expected;
    } cases[] = {
        {"  %Name\r\n", true, "A\r\n\r  B"},
        {"%Nothing", true, ""},
        {"\t%Name ", false, "\tA "},
        {"%URL", true,
         "http://cobwen.example/downld/files/A.rar\rhttp://cobwen.example/downld/files/B.rar"},
    };
    for (const auto& c : cases) {
        const auto text = PluginInfoText(list, {c.format, c.all}, locale);
        ASSERT_TRUE(text.has_value()) << c.format;
        EXPECT_EQ(*text, c.expected) << c.format;
    }
    EXPECT_EQ(CopyInfoSettings{}.CopyPluginInfoFormat, "%URL");
    EXPECT_FALSE(CopyInfoSettings{}.CopyAllSelectedToClipboard);
}

TEST(SendEMailToAuthor, OpensAMailLinkToTheBareAddress) {
    const struct {
        const char* email;
        Texts expected;
    } cases[] = {
        {"Ivan Petrov <ivan.petrov@example.org>", {"mailto:ivan%2Epetrov%40example%2Eorg"}},
        {"plain_name@host", {"mailto:plain_name%40host"}},
        {"x@y", {"mailto:x%40y"}},
        {"no address here", {}},
        {"@example.org", {}},
        {"Name <@example.org>", {}},
        {"Name <>", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        test::FakeList list = ThreeRows();
        list.rows[1].EMail = c.email;
        list.selected = {1, 0};
        list.focused = 0;
        test::RecordingShell shell;
        SendEMailToAuthor(list, shell);
        EXPECT_EQ(shell.opened, c.expected) << c.email;
    }
}

TEST(GotoAuthorPage, OpensHomePagesOfElevenCharactersOrMore) {
    const struct {
        const char* homePage;
        Texts expected;
    } cases[] = {
        {"http://petrov.example.org/", {"http://petrov.example.org/"}},
        {"http://a.bc", {"http://a.bc"}},
        {"http://a.b", {}},
        {"-", {}},
        {"", {}},
        {"www.example", {"www.example"}},
    };
    for (const auto& c : cases) {
        test::FakeList list = ThreeRows();
        list.rows[2].HomePage = c.homePage;
        list.selected = {2, 1};
        list.focused = 1;
        test::RecordingShell shell;
        GotoAuthorPage(list, shell);
        EXPECT_EQ(shell.opened, c.expected) << c.homePage;
    }
}

TEST(AuthorCommands, NeedASelectedRow) {
    test::FakeList list = ThreeRows();
    list.focused = 0;
    test::RecordingShell shell;
    SendEMailToAuthor(list, shell);
    GotoAuthorPage(list, shell);
    EXPECT_TRUE(shell.opened.empty());
}

} // namespace
} // namespace cobwen
