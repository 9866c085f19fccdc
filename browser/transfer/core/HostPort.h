#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cobwen {

inline constexpr std::uint16_t HttpPort = 80;

struct HostPort {
    std::string Host;
    std::uint16_t Port = HttpPort;

    friend bool operator==(const HostPort&, const HostPort&) = default;
};

// The host part of a URL with the port it names: "name:8080" gives port 8080, and without a port
// (or with one that is not a number from 1 to 65535, kept as part of the name) the HTTP port 80.
HostPort SplitHostPort(std::string_view host);

} // namespace cobwen
