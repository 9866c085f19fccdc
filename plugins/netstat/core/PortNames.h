#pragma once

// Service names by port, read from ports.lst beside the library: two tables (TCP and UDP) of one
// entry per port number, each empty or holding the name of the last line that named the port.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sockwell {

enum class Protocol { Tcp, Udp };

class PortNameTable {
public:
    static constexpr std::size_t PortCount = 65536;

    PortNameTable();
    // Empties both tables.
    void Clear();
    void Set(Protocol protocol, std::uint16_t port, std::string name);
    // The name for the port, or "" when there is none.
    const std::string& Name(Protocol protocol, std::uint16_t port) const;
    bool Empty() const { return named_ == 0; }

private:
    std::vector<std::string>& Table(Protocol protocol) {
        return protocol == Protocol::Tcp ? tcp_ : udp_;
    }
    std::vector<std::string> tcp_;
    std::vector<std::string> udp_;
    std::size_t named_ = 0;
};

struct PortLine {
    std::string name;
    std::uint16_t port = 0;
    Protocol protocol = Protocol::Udp;
};

// One line of ports.lst read as "name digits protocol", the way the services file of Windows
// lays it out ("http 80/tcp www"): the digits stop at the slash, so the protocol token is
// "/tcp" and its second character tells TCP ('t') from anything else (UDP). A line without
// digits names port 0; one whose digits make 65536 or more gives nothing, as does a line without
// a name.
std::optional<PortLine> ParsePortLine(std::string_view line);

// Cuts a byte stream into lines as the reader of ports.lst sees them: a line ends with the byte
// 10, which stays in the line. A line is kept to its first MaxLineBytes bytes and the rest up to
// its end is dropped, so the tail of an over-long line (a long alias list or comment) never
// turns into a line of its own.
class PortLineSplitter {
public:
    static constexpr std::size_t MaxLineBytes = 1023; // a 1024-byte buffer with its terminator

    // Feeds bytes; calls onLine for every complete line.
    template <typename OnLine> void Feed(std::string_view bytes, OnLine&& onLine) {
        for (char c : bytes) {
            if (line_.size() < MaxLineBytes)
                line_.push_back(c);
            if (c == '\n') {
                onLine(std::string_view(line_));
                line_.clear();
            }
        }
    }
    // The last line when it had no line end and is not empty.
    template <typename OnLine> void Finish(OnLine&& onLine) {
        if (!line_.empty())
            onLine(std::string_view(line_));
        line_.clear();
    }

private:
    std::string line_;
};

// Stores what one line names (a later line for the same port replaces the earlier name).
void AddPortLine(std::string_view line, PortNameTable& table);
// Parses a whole ports.lst into the table (without emptying it first).
void LoadPortNames(std::string_view bytes, PortNameTable& table);

} // namespace sockwell
