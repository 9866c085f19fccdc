#pragma once

// What a row of the panel says: the state name of a TCP connection and the address texts
// "host:port", with host and service names when the settings ask for them.

#include "plugins/netstat/core/Endpoints.h"
#include "plugins/netstat/core/PortNames.h"
#include "plugins/netstat/core/Settings.h"

#include <cstdint>
#include <functional>
#include <string>

namespace sockwell {

// The name of a TCP state number as the system reports it; "UNKNOWN" for any other number.
const char* TcpStateName(std::uint32_t state);

// "a.b.c.d" from an address in network byte order.
std::string DottedAddress(std::uint32_t networkOrderAddress);

// The host part of an address text when host names are on: the name known so far, or the dotted
// form while none is.
using HostNameLookup = std::function<std::string(std::uint32_t networkOrderAddress)>;

// Turns addresses and ports into texts under one set of settings.
class AddressFormatter {
public:
    AddressFormatter(const Settings& settings, const PortNameTable& ports, HostNameLookup lookup)
        : settings_(settings), ports_(ports), lookup_(std::move(lookup)) {}

    std::string Host(std::uint32_t networkOrderAddress) const;
    std::string Port(Protocol protocol, std::uint16_t port) const;
    std::string Address(Protocol protocol, std::uint32_t networkOrderAddress,
                        std::uint16_t port) const {
        return Host(networkOrderAddress) + ":" + Port(protocol, port);
    }

private:
    const Settings& settings_;
    const PortNameTable& ports_;
    HostNameLookup lookup_;
};

struct RowTexts {
    std::string name;   // " tcp " or " udp "
    std::string local;  // column 0
    std::string remote; // column 1
    std::string state;  // column 2
};

RowTexts TcpRowTexts(const TcpEndpoint& endpoint, const AddressFormatter& format);
RowTexts UdpRowTexts(const UdpEndpoint& endpoint, const AddressFormatter& format);

} // namespace sockwell
