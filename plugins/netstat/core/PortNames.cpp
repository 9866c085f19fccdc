#include "plugins/netstat/core/PortNames.h"

#include <cstdio>

namespace sockwell {

PortNameTable::PortNameTable() : tcp_(PortCount), udp_(PortCount) {
}

void PortNameTable::Clear() {
    for (auto* table : {&tcp_, &udp_})
        for (auto& name : *table)
            std::string().swap(name);
    named_ = 0;
}

void PortNameTable::Set(Protocol protocol, std::uint16_t port, std::string name) {
    auto& entry = Table(protocol)[port];
    if (entry.empty() && !name.empty())
        ++named_;
    else if (!entry.empty() && name.empty())
        --named_;
    entry = std::move(name);
}

const std::string& PortNameTable::Name(Protocol protocol, std::uint16_t port) const {
    return protocol == Protocol::Tcp ? tcp_[port] : udp_[port];
}

std::optional<PortLine> ParsePortLine(std::string_view line) {
    // The line is at most a buffer long, so no token can be longer than the line.
    std::string const text(line);
    std::string name(text.size() + 1, '\0');
    std::string digits(text.size() + 1, '\0');
    std::string token(text.size() + 1, '\0');
    // The same conversion the file format was made for: a run of digits may be missing, which
    // ends the scan with the protocol token unread.
    int const fields =
        std::sscanf(text.c_str(), "%s %[0-9] %s", name.data(), digits.data(), token.data());
    if (fields < 1)
        return std::nullopt;
    PortLine result;
    result.name = name.c_str();
    if (result.name.empty())
        return std::nullopt;
    std::uint32_t port = 0;
    for (const char* d = digits.c_str(); *d; ++d) {
        port = port * 10 + static_cast<std::uint32_t>(*d - '0');
        if (port >= PortNameTable::PortCount)
            return std::nullopt;
    }
    result.port = static_cast<std::uint16_t>(port);
    result.protocol = token.c_str()[0] != '\0' && token[1] == 't' ? Protocol::Tcp : Protocol::Udp;
    return result;
}

void AddPortLine(std::string_view line, PortNameTable& table) {
    if (auto parsed = ParsePortLine(line))
        table.Set(parsed->protocol, parsed->port, std::move(parsed->name));
}

void LoadPortNames(std::string_view bytes, PortNameTable& table) {
    PortLineSplitter splitter;
    auto const store = [&table](std::string_view line) {
        AddPortLine(line, table);
    };
    splitter.Feed(bytes, store);
    splitter.Finish(store);
}

} // namespace sockwell
