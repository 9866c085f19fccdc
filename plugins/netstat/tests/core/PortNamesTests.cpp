#include "plugins/netstat/core/PortNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sockwell {
namespace {

struct LineCase {
    const char* line;
    bool stored;
    const char* name;
    std::uint16_t port;
    Protocol protocol;
};

TEST(ParsePortLine, ReadsNameDigitsAndProtocolToken) {
    const std::vector<LineCase> cases = {
        {"http 80/tcp www www-http #World Wide Web\n", true, "http", 80, Protocol::Tcp},
        {"domain  53/udp\n", true, "domain", 53, Protocol::Udp},
        {"ftp\t21/tcp\r\n", true, "ftp", 21, Protocol::Tcp},
        {"   indented 7/tcp", true, "indented", 7, Protocol::Tcp},
        // The protocol token's second character decides: with a blank instead of the slash the
        // token is the word itself.
        {"spaced 25 tcp\n", true, "spaced", 25, Protocol::Udp},
        {"spaced 26 utter\n", true, "spaced", 26, Protocol::Tcp},
        {"upper 27/TCP\n", true, "upper", 27, Protocol::Udp},
        {"noproto 28\n", true, "noproto", 28, Protocol::Udp},
        {"nodigits tcp\n", true, "nodigits", 0, Protocol::Udp},
        {"word\n", true, "word", 0, Protocol::Udp},
        {"# comment 1/tcp\n", true, "#", 0, Protocol::Udp},
        {"max 65535/tcp\n", true, "max", 65535, Protocol::Tcp},
        {"leading 0080/tcp\n", true, "leading", 80, Protocol::Tcp},
        {"over 65536/tcp\n", false, "", 0, Protocol::Udp},
        {"big 70000/udp\n", false, "", 0, Protocol::Udp},
        {"huge 99999999999999999999999/tcp\n", false, "", 0, Protocol::Udp},
        {"\n", false, "", 0, Protocol::Udp},
        {"   \r\n", false, "", 0, Protocol::Udp},
        {"", false, "", 0, Protocol::Udp},
    };
    for (auto const& c : cases) {
        auto const parsed = ParsePortLine(c.line);
        ASSERT_EQ(parsed.has_value(), c.stored) << c.line;
        if (!parsed)
            continue;
        EXPECT_EQ(parsed->name, c.name) << c.line;
        EXPECT_EQ(parsed->port, c.port) << c.line;
        EXPECT_EQ(parsed->protocol, c.protocol) << c.line;
    }
}

TEST(LoadPortNames, KeepsProtocolsApartAndLetsALaterLineWin) {
    PortNameTable table;
    LoadPortNames("http 80/tcp www\n"
                  "http-alt 80/udp\n"
                  "first 443/tcp\n"
                  "second 443/tcp\n"
                  "nodigits here\n"
                  "big 70000/udp\n"
                  "last 9/tcp",
                  table);
    EXPECT_EQ(table.Name(Protocol::Tcp, 80), "http");
    EXPECT_EQ(table.Name(Protocol::Udp, 80), "http-alt");
    EXPECT_EQ(table.Name(Protocol::Tcp, 443), "second");
    EXPECT_EQ(table.Name(Protocol::Udp, 443), "");
    EXPECT_EQ(table.Name(Protocol::Udp, 0), "nodigits");
    EXPECT_EQ(table.Name(Protocol::Tcp, 0), "");
    EXPECT_EQ(table.Name(Protocol::Udp, 70000 - 65536), "") << "the port must not wrap around";
    EXPECT_EQ(table.Name(Protocol::Tcp, 9), "last") << "a last line without its end counts";
}

TEST(LoadPortNames, ALineLongerThanTheBufferKeepsItsStartAndDropsItsTail) {
    std::string const padding(3000, 'x');
    PortNameTable table;
    // The tail of the long line looks like an entry of its own; it must not become one.
    LoadPortNames("long 100/tcp " + padding + " tail 200/tcp\n" + "next 300/tcp\n", table);
    EXPECT_EQ(table.Name(Protocol::Tcp, 100), "long");
    EXPECT_EQ(table.Name(Protocol::Tcp, 200), "");
    EXPECT_EQ(table.Name(Protocol::Tcp, 300), "next");

    // A name longer than the buffer is cut to what fits and the line still counts.
    PortNameTable cut;
    LoadPortNames(std::string(1500, 'n') + " 5/tcp\nafter 6/tcp\n", cut);
    EXPECT_EQ(cut.Name(Protocol::Tcp, 0), "");
    EXPECT_EQ(cut.Name(Protocol::Udp, 0), std::string(PortLineSplitter::MaxLineBytes, 'n'));
    EXPECT_EQ(cut.Name(Protocol::Tcp, 6), "after");
}

TEST(PortLineSplitter, LinesKeepTheirLineEndAndAnEmptyLastLineIsNoLine) {
    PortLineSplitter splitter;
    std::vector<std::string> lines;
    auto const collect = [&lines](std::string_view line) {
        lines.emplace_back(line);
    };
    splitter.Feed("a 1/tcp\r\nb 2", collect);
    splitter.Feed("/udp\n", collect);
    splitter.Finish(collect);
    EXPECT_EQ(lines, (std::vector<std::string>{"a 1/tcp\r\n", "b 2/udp\n"}));
}

TEST(PortNameTable, ClearEmptiesBothTables) {
    PortNameTable table;
    table.Set(Protocol::Tcp, 1, "one");
    table.Set(Protocol::Udp, 65535, "top");
    EXPECT_FALSE(table.Empty());
    table.Clear();
    EXPECT_TRUE(table.Empty());
    EXPECT_EQ(table.Name(Protocol::Tcp, 1), "");
    EXPECT_EQ(table.Name(Protocol::Udp, 65535), "");
}

} // namespace
} // namespace sockwell
