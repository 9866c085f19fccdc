#include "browser/transfer/core/HostPort.h"

namespace cobwen {

HostPort SplitHostPort(std::string_view host) {
    const std::size_t colon = host.rfind(':');
    if (colon == std::string_view::npos || colon + 1 == host.size() || colon + 6 < host.size())
        return {std::string(host), HttpPort};
    std::uint32_t port = 0;
    for (const char c : host.substr(colon + 1)) {
        if (c < '0' || c > '9')
            return {std::string(host), HttpPort};
        port = port * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (port == 0 || port > 65535)
        return {std::string(host), HttpPort};
    return {std::string(host.substr(0, colon)), static_cast<std::uint16_t>(port)};
}

} // namespace cobwen
