#pragma once

// The endpoints a listing shows, as the system's tables report them: addresses as 32-bit values
// in network byte order (first byte of the dotted form first in memory), ports in host order.

#include <cstdint>
#include <vector>

namespace sockwell {

struct TcpEndpoint {
    std::uint32_t state = 0;
    std::uint32_t localAddress = 0;
    std::uint16_t localPort = 0;
    std::uint32_t remoteAddress = 0;
    std::uint16_t remotePort = 0;
    std::uint32_t processId = 0;
};

struct UdpEndpoint {
    std::uint32_t localAddress = 0;
    std::uint16_t localPort = 0;
    std::uint32_t processId = 0;
};

// What one listing read. A table whose call failed counts as not read and gives no rows;
// withProcesses says the tables carry owning process ids.
struct EndpointTables {
    bool tcpRead = false;
    bool udpRead = false;
    bool withProcesses = false;
    std::vector<TcpEndpoint> tcp;
    std::vector<UdpEndpoint> udp;
};

inline constexpr std::uint32_t TcpStateListening = 2;

} // namespace sockwell
