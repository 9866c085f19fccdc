// The library's text functions: trimming, quoting, file-name parts and the three shortening forms.

#include "plugins/startup/ulvarplus/TextFunctions.h"

#include <gtest/gtest.h>

namespace ulvarplus {
namespace {

TEST(TextFunctionsTest, TrimQuoteAndFileNamePart) {
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(QuoteIfBlank("C:\\a b\\c.exe"), "\"C:\\a b\\c.exe\"");
    EXPECT_EQ(QuoteIfBlank("\"C:\\a b\\c.exe"), "\"C:\\a b\\c.exe\"");
    EXPECT_EQ(QuoteIfBlank("C:\\a b\\c.exe\""), "\"C:\\a b\\c.exe\"");
    EXPECT_EQ(QuoteIfBlank("\"C:\\a b\""), "\"C:\\a b\"");
    EXPECT_EQ(QuoteIfBlank("C:\\ab.exe"), "C:\\ab.exe");
    EXPECT_EQ(FileNamePart("C:\\dir\\file.txt"), "file.txt");
    EXPECT_EQ(FileNamePart("C:file.txt"), "file.txt");
    EXPECT_EQ(FileNamePart("a/b/c"), "c");
    EXPECT_EQ(FileNamePart("plain"), "plain");
    EXPECT_EQ(FileNamePart("C:\\dir\\"), "");
}

struct ShortenCase {
    const char* text;
    int width;
    const char* tail;
    const char* path;
    const char* location;
};

class ShortenTest : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenTest, KeepsTheWidth) {
    auto const& c = GetParam();
    EXPECT_EQ(ShortenTail(c.text, c.width), c.tail);
    EXPECT_EQ(ShortenPath(c.text, c.width), c.path);
    EXPECT_EQ(ShortenLocation(c.text, c.width), c.location);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenTest,
    ::testing::Values(
        ShortenCase{"C:\\short.exe", 20, "C:\\short.exe", "C:\\short.exe", "C:\\short.exe"},
        ShortenCase{"C:\\Program Files\\Tool\\tool.exe", 16, "...Tool\\tool.exe",
                    "C:\\...l\\tool.exe", "C:\\...l\\tool.exe"},
        ShortenCase{"C:\\Program Files\\Tool\\tool.exe", 7, "....exe", "....exe", "C:\\...e"},
        // Exactly the root's length + 5: the root is kept.
        ShortenCase{"C:\\Program Files\\tool.exe", 8, "...l.exe", "C:\\...xe", "C:\\...xe"},
        ShortenCase{"\\\\server\\share\\dir\\file.exe", 20, "...hare\\dir\\file.exe",
                    "\\\\server\\share\\...xe", "\\...are\\dir\\file.exe"},
        ShortenCase{"HKLM\\SOFTWARE\\Microsoft\\Windows\\Run\\Tool", 20, "...\\Windows\\Run\\Tool",
                    "...\\Windows\\Run\\Tool", "HKLM\\...ows\\Run\\Tool"},
        ShortenCase{"abcdef", 3, "abc", "abc", "abc"}, ShortenCase{"abcdef", 0, "", "", ""}));

} // namespace
} // namespace ulvarplus
