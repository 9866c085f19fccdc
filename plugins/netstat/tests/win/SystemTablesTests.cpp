#include "plugins/netstat/tests/win/PluginFixture.h"
#include "plugins/netstat/win/SystemTables.h"

#include <algorithm>

namespace sockwell::test {
namespace {

using win::SystemTables;
using win::TableSource;

bool HasTcp(const EndpointTables& tables, std::uint16_t localPort, std::uint32_t state,
            std::uint16_t remotePort = 0) {
    return std::any_of(tables.tcp.begin(), tables.tcp.end(), [&](const TcpEndpoint& row) {
        return row.localAddress == LoopbackAddress() && row.localPort == localPort &&
               row.state == state && (remotePort == 0 || row.remotePort == remotePort);
    });
}

bool HasUdp(const EndpointTables& tables, std::uint16_t localPort) {
    return std::any_of(tables.udp.begin(), tables.udp.end(), [&](const UdpEndpoint& row) {
        return row.localAddress == LoopbackAddress() && row.localPort == localPort;
    });
}

// Every source the system has lists the same sockets; only the ones with owners say so.
TEST(SystemTables, EverySourceFindsTheSameLoopbackSockets) {
    SocketsSession sockets;
    Socket const listener = ListenTcp();
    Socket const udp = BindUdp();
    ASSERT_TRUE(listener.Valid() && udp.Valid());
    Connection const connection = Connect(listener);
    ASSERT_TRUE(connection.client.Valid());

    SystemTables system;
    int sourcesTried = 0;
    for (auto source :
         {TableSource::Plain, TableSource::StackTables, TableSource::ExtendedTables}) {
        if (!system.Has(source))
            continue;
        ++sourcesTried;
        SCOPED_TRACE(win::TableSourceName(source));
        auto const tables = system.Read(source);
        ASSERT_TRUE(tables.tcpRead);
        ASSERT_TRUE(tables.udpRead);
        EXPECT_EQ(tables.withProcesses, source != TableSource::Plain);
        EXPECT_TRUE(HasTcp(tables, listener.Port(), TcpStateListening));
        EXPECT_TRUE(HasTcp(tables, connection.client.Port(), 5, listener.Port()));
        EXPECT_TRUE(HasTcp(tables, listener.Port(), 5, connection.client.Port()));
        EXPECT_TRUE(HasUdp(tables, udp.Port()));
    }
    EXPECT_GE(sourcesTried, 2) << "the plain tables and at least one source with owners";
    EXPECT_TRUE(system.HasSnapshot());
    EXPECT_NE(system.BestSource(), TableSource::Plain);
}

// Both sources with owners make the same panel rows for the same sockets.
TEST_F(SockwellTest, TheExtendedTablesStandInForTheStackTables) {
    Socket const listener = ListenTcp();
    Socket const udp = BindUdp();
    ASSERT_TRUE(listener.Valid() && udp.Valid());
    LoadLinked(PluginOptions{TableSource::ExtendedTables});
    if (!Plugin()->ExtendedMode())
        GTEST_SKIP() << "this system lacks the extended tables";
    EXPECT_EQ(Plugin()->Source(), TableSource::ExtendedTables);
    Open();
    EXPECT_GE(FindRow(Loopback(listener.Port()), "LISTENING"), 1);
    EXPECT_GE(FindRow(Loopback(udp.Port())), 1);
    EXPECT_EQ(Plugin()->Processes().size(), static_cast<std::size_t>(Panel().Count() - 1));
}

} // namespace
} // namespace sockwell::test
