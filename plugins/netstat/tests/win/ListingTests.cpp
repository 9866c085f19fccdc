#include "plugins/netstat/core/RowTexts.h"
#include "plugins/netstat/tests/win/PluginFixture.h"

#include <ws2tcpip.h>

#include <windows.h>

#include <functional>

namespace sockwell::test {
namespace {

using ListingTest = SockwellTest;

// Polls for a condition the plug-in's own threads bring about; false when it never came.
bool PollUntil(const std::function<bool()>& condition) {
    for (int attempt = 0; attempt < 600; ++attempt) {
        if (condition())
            return true;
        Sleep(50);
    }
    return condition();
}

TEST_F(ListingTest, LoopbackSocketsShowTheirStatesAndBothEndsOfAConnection) {
    Socket const listener = ListenTcp();
    Socket const udp = BindUdp();
    ASSERT_TRUE(listener.Valid() && udp.Valid());
    Connection const connection = Connect(listener);
    ASSERT_TRUE(connection.client.Valid() && connection.server.Valid());
    LoadDll();
    Open();

    int const listening = FindRow(Loopback(listener.Port()), "LISTENING");
    ASSERT_GE(listening, 1);
    EXPECT_EQ(RowAt(listening).name, " tcp ");
    EXPECT_EQ(RowAt(listening).remote, "");

    int const datagram = FindRow(Loopback(udp.Port()));
    ASSERT_GE(datagram, 1);
    EXPECT_EQ(RowAt(datagram).name, " udp ");
    EXPECT_EQ(RowAt(datagram).remote, "*.*");
    EXPECT_EQ(RowAt(datagram).state, "");

    int const client = FindRow(Loopback(connection.client.Port()), "ESTABLISHED");
    ASSERT_GE(client, 1);
    EXPECT_EQ(RowAt(client).remote, Loopback(listener.Port()));
    int const server = FindRow(Loopback(listener.Port()), "ESTABLISHED");
    ASSERT_GE(server, 1);
    EXPECT_EQ(RowAt(server).remote, Loopback(connection.client.Port()));

    // All TCP rows first, the UDP rows after them, ".." ahead of everything.
    EXPECT_TRUE(Panel().IsDots(0));
    bool seenUdp = false;
    for (int i = 1; i < Panel().Count(); ++i) {
        std::string const name = RowAt(i).name;
        ASSERT_TRUE(name == " tcp " || name == " udp ") << name;
        EXPECT_FALSE(seenUdp && name == " tcp ") << "row " << i;
        seenUdp = seenUdp || name == " udp ";
    }
}

TEST_F(ListingTest, PortNamesComeFromTheTestsListByProtocol) {
    Socket const listener = ListenTcp();
    Socket const udp = BindUdp();
    Socket const udpNamedForTcpOnly = BindUdp();
    Socket const udpBeyondRange = BindUdp();
    ASSERT_TRUE(listener.Valid() && udp.Valid() && udpNamedForTcpOnly.Valid() &&
                udpBeyondRange.Valid());
    Connection const connection = Connect(listener);
    ASSERT_TRUE(connection.client.Valid());
    std::string const list =
        "web-test " + std::to_string(listener.Port()) + "/tcp alias # services-file layout\r\n" +
        "dgram-test " + std::to_string(udp.Port()) + "/udp\r\n" + "tcp-only " +
        std::to_string(udpNamedForTcpOnly.Port()) + "/tcp\r\n" + "too-big " +
        std::to_string(udpBeyondRange.Port() + 65536) + "/udp\r\n" + "nodigits here\r\n";
    WritePortsList(list);
    settingsKey.Set("ResolvePorts", 1);
    LoadLinked();
    EXPECT_TRUE(Plugin()->PortsRead());
    EXPECT_EQ(Plugin()->PortNames().Name(Protocol::Udp, 0), "nodigits");
    Open();

    EXPECT_GE(FindRow("127.0.0.1:web-test", "LISTENING"), 1);
    EXPECT_GE(FindRow("127.0.0.1:web-test", "ESTABLISHED"), 1);
    int const client = FindRow(Loopback(connection.client.Port()), "ESTABLISHED");
    ASSERT_GE(client, 1);
    EXPECT_EQ(RowAt(client).remote, "127.0.0.1:web-test");
    EXPECT_GE(FindRow("127.0.0.1:dgram-test"), 1);
    EXPECT_GE(FindRow(Loopback(udpNamedForTcpOnly.Port())), 1) << "a TCP name is not a UDP name";
    EXPECT_GE(FindRow(Loopback(udpBeyondRange.Port())), 1) << "a port of 65536 or more is dropped";
}

// A folder named in Cyrillic letters ("сокет" in code page 1251, the system's ANSI code page
// under the Russian locale): the library's path reaches the plug-in in OEM, which it converts back.
class CyrillicFolderTest : public SockwellTest {
protected:
    CyrillicFolderTest() : SockwellTest("\xF1\xEE\xEA\xE5\xF2") {}
};

TEST_F(CyrillicFolderTest, TheDllFindsPortsListBesideItself) {
    ASSERT_EQ(GetACP(), 1251u) << "the test needs the Russian locale";
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    WritePortsList("web-test " + std::to_string(listener.Port()) + "/tcp\r\n");
    settingsKey.Set("ResolvePorts", 1);
    LoadDll();
    Open();
    EXPECT_GE(FindRow("127.0.0.1:web-test", "LISTENING"), 1);
}

TEST_F(ListingTest, PortNamesStayOffWithoutTheSetting) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    WritePortsList("web-test " + std::to_string(listener.Port()) + "/tcp\n");
    LoadLinked();
    EXPECT_FALSE(Plugin()->PortsRead());
    Open();
    EXPECT_GE(FindRow(Loopback(listener.Port()), "LISTENING"), 1);
}

TEST_F(ListingTest, ResolveAndAutoRefreshAtTwoDoNothing) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    settingsKey.Set("Resolve", 2);
    settingsKey.Set("AutoRefresh", 2);
    LoadLinked();
    Open();
    EXPECT_GE(FindRow(Loopback(listener.Port()), "LISTENING"), 1);
    EXPECT_EQ(Plugin()->ResolversStarted(), 0);
    EXPECT_EQ(Plugin()->HostNames().Size(), 0u);

    auto const calls = Panel().Calls().size();
    int const redraws = Host().GetPanels().RedrawCount();
    EXPECT_EQ(Host().Idle(), 0);
    ASSERT_EQ(Panel().Calls().size(), calls + 1);
    EXPECT_EQ(Panel().Calls().back(), "ProcessEvent 2");
    EXPECT_EQ(Host().GetPanels().RedrawCount(), redraws);
}

TEST_F(ListingTest, IdleRefreshListsANewSocket) {
    LoadDll();
    Open();
    Socket const late = ListenTcp();
    ASSERT_TRUE(late.Valid());
    ASSERT_EQ(FindRow(Loopback(late.Port()), "LISTENING"), -1);
    int const redraws = Host().GetPanels().RedrawCount();

    EXPECT_EQ(Host().Idle(), 0);
    EXPECT_GE(FindRow(Loopback(late.Port()), "LISTENING"), 1);
    EXPECT_EQ(Host().GetPanels().RedrawCount(), redraws + 1);
    auto const& calls = Panel().Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[calls.size() - 4], "ProcessEvent 2");
    EXPECT_EQ(calls[calls.size() - 3], "GetOpenPluginInfo");
    EXPECT_EQ(calls[calls.size() - 2], "GetFindData");
    EXPECT_EQ(calls[calls.size() - 1], "FreeFindData");
}

// What this machine's resolver says for 127.0.0.1, asked the same way the plug-in asks.
std::string ExpectedLoopbackName() {
    std::uint32_t const address = LoopbackAddress();
    hostent const* host = gethostbyaddr(reinterpret_cast<const char*>(&address), 4, AF_INET);
    return host && host->h_name ? host->h_name : DottedAddress(address);
}

TEST_F(ListingTest, HostNamesShowOnceTheResolverHasRun) {
    std::string const name = ExpectedLoopbackName();
    if (name == "127.0.0.1")
        GTEST_SKIP() << "this machine has no name for 127.0.0.1";
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    settingsKey.Set("Resolve", 1);
    LoadDll();
    Open();
    std::string const port = ":" + std::to_string(listener.Port());
    // The first listing cannot wait for the lookup; it may show the name only if a resolver
    // was already quicker than the listing itself.
    int const first = FindRow("127.0.0.1" + port, "LISTENING");
    int const named = FindRow(name + port, "LISTENING");
    EXPECT_TRUE(first >= 1 || named >= 1);

    EXPECT_TRUE(PollUntil([&] {
        Host().Idle();
        return FindRow(name + port, "LISTENING") >= 1;
    })) << "the name of 127.0.0.1 never showed";
}

// Resolver threads may still run when the host unloads the library; the library must stay
// usable and leave memory once the last of them ended.
TEST_F(ListingTest, UnloadingWithResolversRunningThenLoadingAgain) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    settingsKey.Set("Resolve", 1);
    for (int round = 0; round < 3; ++round) {
        LoadDll();
        Open();
        ASSERT_GE(Panel().Count(), 2);
        Unload();
    }
    EXPECT_TRUE(PollUntil([this] { return GetModuleHandleA(DllPath().c_str()) == nullptr; }))
        << "a resolver thread kept the library loaded";
    LoadDll();
    Open();
    EXPECT_GE(Panel().Count(), 2);
}

} // namespace
} // namespace sockwell::test
