// Paths the host passes on from a command line, a panel's history or another plug-in: a computer
// named in them is never longer than a computer name may be, a refused one changes nothing, and a
// path with a colon is handed back untouched.
#include "plugins/services/core/PathInterpretation.h"
#include "plugins/services/tests/core/TestText.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

using testsupport::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::fuzz::Reader input(testsupport::fuzz::Text(data, size));
    const std::uint8_t options = input.Byte();
    sentrel::PathContext context;
    context.layout = options % 4; // one past the layouts too
    context.current = static_cast<sentrel::FolderKind>((options >> 2) % 3);
    context.servicesName = std::string(input.Text('\n'));
    context.devicesName = std::string(input.Text('\n'));
    const std::string_view path = input.Rest();
    const bool findMode = options & 0x10;

    const auto& text = sentrel::test::Text();
    const sentrel::PathResult result = sentrel::InterpretPath(path, findMode, context, text);
    if (result.fileSystemPath)
        Check(!findMode && !result.computer && result.kind == context.current);
    if (result.computerTooLong)
        Check(!result.computer && result.kind == context.current);
    if (result.computer)
        Check(result.computer->size() <= sentrel::MaxComputerName);

    sentrel::CleanComputerName(path);
    sentrel::MatchesLeadingPart(path, context.servicesName, text);
    return 0;
}
