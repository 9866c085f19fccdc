#include "plugins/services/core/MessageText.h"

#include <gtest/gtest.h>

namespace sentrel::test {

TEST(MessageText, InsertsAreFilledByNumberOnly) {
    const std::vector<std::string> two = {"alpha", "%2"};
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"Cannot reach %1.", "Cannot reach alpha."},
        {"%2 and %1", "%2 and alpha"}, // an insert's own text is not expanded again
        {"%3 missing", "%3 missing"},
        {"%s %d %x %n", "%s %d %x %n"},
        {"100%", "100%"},
        {"%%1", "%alpha"},
        {"%10 is %1 and 0", "%10 is alpha and 0"},
        {"%0", "%0"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FillInserts(c.text, two), c.expected);
    }
    std::vector<std::string> eleven;
    for (int i = 1; i <= 11; ++i)
        eleven.push_back("i" + std::to_string(i));
    EXPECT_EQ(FillInserts("%11 %1 %9", eleven), "i11 i1 i9");
}

TEST(MessageText, LinesAreCutAtLineFeedsAndPercentN) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::string sixtyFive = std::string(30, 'a') + " " + std::string(34, 'b');
    const std::string longWord(80, 'c');
    const Case cases[] = {
        {"one", {"one"}},
        {"one\ntwo", {"one", "two"}},
        {"one\r\ntwo\r\n", {"one", "two", ""}},
        {"one%ntwo", {"one", "two"}},
        {"50%", {"50%"}},
        {sixtyFive, {std::string(30, 'a'), std::string(34, 'b')}},
        // 64 counted characters stay whole; the percent signs do not count.
        {std::string(30, 'a') + " " + std::string(33, 'b'),
         {std::string(30, 'a') + " " + std::string(33, 'b')}},
        {std::string(30, 'a') + " %%%" + std::string(33, 'b'),
         {std::string(30, 'a') + " %%%" + std::string(33, 'b')}},
        // The blank must lie within the first 50 characters.
        {std::string(55, 'a') + " " + std::string(20, 'b'),
         {std::string(55, 'a') + " " + std::string(20, 'b')}},
        {longWord, {longWord}},
        // The rest is broken again.
        {std::string(40, 'a') + " " + std::string(40, 'b') + " " + std::string(40, 'c'),
         {std::string(40, 'a'), std::string(40, 'b'), std::string(40, 'c')}},
        {"w " + std::string(45, 'x') + " " + std::string(45, 'y') + " " + std::string(45, 'z'),
         {"w " + std::string(45, 'x'), std::string(45, 'y'), std::string(45, 'z')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MessageLines(c.text), c.lines);
    }
}

TEST(MessageText, BoxTakesTheErrorTextForAMissingLine) {
    const MessageBox box =
        BuildMessageBox({std::string("Error"), std::string("Cannot open%nthe manager"),
                         std::nullopt, std::string("Retry"), std::string("Cancel")},
                        2, true, "Access is denied.");
    EXPECT_EQ(box.lines, (std::vector<std::string>{"Error", "Cannot open", "the manager",
                                                   "Access is denied."}));
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"Retry", "Cancel"}));
    EXPECT_FALSE(box.errorLineByHost);

    const MessageBox skipped =
        BuildMessageBox({std::string("T"), std::nullopt, std::string("OK")}, 1, false, "unused");
    EXPECT_EQ(skipped.lines, (std::vector<std::string>{"T"}));
    EXPECT_FALSE(skipped.errorLineByHost);

    const MessageBox byHost =
        BuildMessageBox({std::string("T"), std::string("text"), std::string("OK")}, 1, true, "");
    EXPECT_TRUE(byHost.errorLineByHost);
}

TEST(MessageText, BoxKeepsAtMost23Lines) {
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "line" + std::to_string(i) + "\n";
    const MessageBox box =
        BuildMessageBox({std::string("Title"), text, std::string("OK")}, 1, false, "");
    ASSERT_EQ(box.lines.size(), MaxMessageLines);
    EXPECT_EQ(box.lines.front(), "Title");
    EXPECT_EQ(box.lines.back(), "line21");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK"}));
    // More buttons than texts: no line, every text a button.
    EXPECT_TRUE(BuildMessageBox({std::string("A")}, 3, false, "").lines.empty());
}

} // namespace sentrel::test
