#include "plugins/netstat/core/RowTexts.h"

#include <cstring>
#include <iterator>

namespace sockwell {

const char* TcpStateName(std::uint32_t state) {
    static const char* const names[] = {"CLOSED",      "LISTENING", "SYN SENT",  "SYN RCVD",
                                        "ESTABLISHED", "FIN WAIT1", "FIN WAIT2", "CLOSE WAIT",
                                        "CLOSING",     "LAST ACK",  "TIME WAIT", "DELETE"};
    if (state >= 1 && state <= std::size(names))
        return names[state - 1];
    return "UNKNOWN";
}

std::string DottedAddress(std::uint32_t networkOrderAddress) {
    unsigned char bytes[4];
    std::memcpy(bytes, &networkOrderAddress, sizeof bytes);
    return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
           std::to_string(bytes[2]) + "." + std::to_string(bytes[3]);
}

std::string AddressFormatter::Host(std::uint32_t networkOrderAddress) const {
    if (settings_.ResolveHosts() && lookup_)
        return lookup_(networkOrderAddress);
    return DottedAddress(networkOrderAddress);
}

std::string AddressFormatter::Port(Protocol protocol, std::uint16_t port) const {
    if (settings_.ResolvePortNames()) {
        auto const& name = ports_.Name(protocol, port);
        if (!name.empty())
            return name;
    }
    return std::to_string(port);
}

RowTexts TcpRowTexts(const TcpEndpoint& endpoint, const AddressFormatter& format) {
    RowTexts row;
    row.name = " tcp ";
    row.local = format.Address(Protocol::Tcp, endpoint.localAddress, endpoint.localPort);
    // A listening socket has no peer: the table's remote fields mean nothing there.
    if (endpoint.state != TcpStateListening)
        row.remote = format.Address(Protocol::Tcp, endpoint.remoteAddress, endpoint.remotePort);
    row.state = TcpStateName(endpoint.state);
    return row;
}

RowTexts UdpRowTexts(const UdpEndpoint& endpoint, const AddressFormatter& format) {
    RowTexts row;
    row.name = " udp ";
    row.local = format.Address(Protocol::Udp, endpoint.localAddress, endpoint.localPort);
    row.remote = "*.*";
    return row;
}

} // namespace sockwell
