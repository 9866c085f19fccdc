#include "plugins/netstat/core/RowTexts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace sockwell {
namespace {

// An address in network byte order: the first number of the dotted form first in memory.
std::uint32_t Ip(const char* dotted) {
    unsigned parts[4] = {};
    std::sscanf(dotted, "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]);
    unsigned char const bytes[4] = {
        static_cast<unsigned char>(parts[0]), static_cast<unsigned char>(parts[1]),
        static_cast<unsigned char>(parts[2]), static_cast<unsigned char>(parts[3])};
    std::uint32_t address = 0;
    std::memcpy(&address, bytes, sizeof address);
    return address;
}

TEST(TcpStateName, NamesEveryStateTheSystemReportsAndUnknownOtherwise) {
    const std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {1, "CLOSED"},      {2, "LISTENING"}, {3, "SYN SENT"},        {4, "SYN RCVD"},
        {5, "ESTABLISHED"}, {6, "FIN WAIT1"}, {7, "FIN WAIT2"},       {8, "CLOSE WAIT"},
        {9, "CLOSING"},     {10, "LAST ACK"}, {11, "TIME WAIT"},      {12, "DELETE"},
        {0, "UNKNOWN"},     {13, "UNKNOWN"},  {0xFFFFFFFF, "UNKNOWN"}};
    for (auto const& [state, name] : cases)
        EXPECT_EQ(TcpStateName(state), name) << state;
}

TEST(DottedAddress, FirstByteInMemoryComesFirst) {
    EXPECT_EQ(DottedAddress(Ip("127.0.0.1")), "127.0.0.1");
    EXPECT_EQ(DottedAddress(Ip("10.200.3.255")), "10.200.3.255");
    EXPECT_EQ(DottedAddress(0), "0.0.0.0");
}

class RowTextsTest : public ::testing::Test {
protected:
    RowTextsTest() {
        ports.Set(Protocol::Tcp, 80, "http");
        ports.Set(Protocol::Udp, 53, "domain");
    }
    AddressFormatter Formatter() {
        return AddressFormatter(settings, ports, [this](std::uint32_t address) {
            looked.push_back(address);
            return "host-" + DottedAddress(address);
        });
    }

    Settings settings;
    PortNameTable ports;
    std::vector<std::uint32_t> looked;
};

TEST_F(RowTextsTest, ListeningTcpRowHasNoRemoteText) {
    TcpEndpoint listening{2, Ip("127.0.0.1"), 8080, Ip("0.0.0.0"), 4711, 0};
    auto const row = TcpRowTexts(listening, Formatter());
    EXPECT_EQ(row.name, " tcp ");
    EXPECT_EQ(row.local, "127.0.0.1:8080");
    EXPECT_EQ(row.remote, "");
    EXPECT_EQ(row.state, "LISTENING");
}

TEST_F(RowTextsTest, UdpRowShowsStarsAndNoState) {
    auto const row = UdpRowTexts(UdpEndpoint{Ip("192.168.1.2"), 53, 0}, Formatter());
    EXPECT_EQ(row.name, " udp ");
    EXPECT_EQ(row.local, "192.168.1.2:53");
    EXPECT_EQ(row.remote, "*.*");
    EXPECT_EQ(row.state, "");
}

TEST_F(RowTextsTest, PortNamesComeFromTheRowsProtocolAndOnlyWhenSwitchedOn) {
    TcpEndpoint tcp{5, Ip("10.0.0.1"), 80, Ip("10.0.0.2"), 80, 0};
    UdpEndpoint udp{Ip("10.0.0.1"), 80, 0};
    UdpEndpoint dns{Ip("10.0.0.1"), 53, 0};
    auto row = TcpRowTexts(tcp, Formatter());
    EXPECT_EQ(row.local, "10.0.0.1:80");

    for (std::uint32_t on : {1u, 2u, 0xFFFFFFFFu}) {
        settings.resolvePorts = on;
        row = TcpRowTexts(tcp, Formatter());
        EXPECT_EQ(row.local, "10.0.0.1:http") << on;
        EXPECT_EQ(row.remote, "10.0.0.2:http") << on;
        EXPECT_EQ(UdpRowTexts(udp, Formatter()).local, "10.0.0.1:80") << on;
        EXPECT_EQ(UdpRowTexts(dns, Formatter()).local, "10.0.0.1:domain") << on;
    }
    TcpEndpoint unnamed{5, Ip("10.0.0.1"), 81, Ip("10.0.0.2"), 53, 0};
    row = TcpRowTexts(unnamed, Formatter());
    EXPECT_EQ(row.local, "10.0.0.1:81");
    EXPECT_EQ(row.remote, "10.0.0.2:53") << "the remote port is looked up in the TCP table";
}

TEST_F(RowTextsTest, HostNamesOnlyWhenResolveIsExactlyOne) {
    TcpEndpoint tcp{5, Ip("10.0.0.1"), 1000, Ip("10.0.0.2"), 2000, 0};
    for (std::uint32_t value : {0u, 2u, 3u}) {
        settings.resolve = value;
        auto const row = TcpRowTexts(tcp, Formatter());
        EXPECT_EQ(row.local, "10.0.0.1:1000") << value;
        EXPECT_EQ(row.remote, "10.0.0.2:2000") << value;
    }
    EXPECT_TRUE(looked.empty());

    settings.resolve = 1;
    auto const row = TcpRowTexts(tcp, Formatter());
    EXPECT_EQ(row.local, "host-10.0.0.1:1000");
    EXPECT_EQ(row.remote, "host-10.0.0.2:2000");
    EXPECT_EQ(looked, (std::vector<std::uint32_t>{Ip("10.0.0.1"), Ip("10.0.0.2")}));

    looked.clear();
    TcpRowTexts(TcpEndpoint{2, Ip("10.0.0.1"), 1000, Ip("0.0.0.0"), 0, 0}, Formatter());
    UdpRowTexts(UdpEndpoint{Ip("10.0.0.3"), 1000, 0}, Formatter());
    EXPECT_EQ(looked, (std::vector<std::uint32_t>{Ip("10.0.0.1"), Ip("10.0.0.3")}))
        << "no lookup for a remote column that shows no address";
}

} // namespace
} // namespace sockwell
