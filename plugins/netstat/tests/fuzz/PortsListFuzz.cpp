// ports.lst beside the plug-in, as whoever edited it left it: the lines, however long, and the
// names they give, fed in pieces as the file is read.
#include "plugins/netstat/core/PortNames.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = testsupport::fuzz::Text(data, size);
    sockwell::PortNameTable whole;
    sockwell::LoadPortNames(bytes, whole);

    // Read in pieces of any size, the file gives the same names.
    sockwell::PortNameTable pieces;
    sockwell::PortLineSplitter splitter;
    const std::size_t step = size > 0 ? 1 + data[0] % 61 : 1;
    const auto add = [&pieces](std::string_view line) {
        sockwell::AddPortLine(line, pieces);
    };
    for (std::size_t at = 0; at < bytes.size(); at += step)
        splitter.Feed(bytes.substr(at, step), add);
    splitter.Finish(add);
    for (const auto protocol : {sockwell::Protocol::Tcp, sockwell::Protocol::Udp})
        for (unsigned port = 0; port < 65536; port += 97)
            if (whole.Name(protocol, static_cast<std::uint16_t>(port)) !=
                pieces.Name(protocol, static_cast<std::uint16_t>(port)))
                std::abort();
    return 0;
}
