// The description file's line algorithm: a description recorded for a file in a description file
// someone else wrote. The input is the file's text (trimmed, as the file is read), the file name
// and the description, cut at NUL bytes. Recording the same description twice changes nothing the
// second time.
#include "browser/catalogue/core/DescriptionText.h"
#include "browser/catalogue/core/Trim.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cobwen::ByteCaseTable upperCase = cobwen::Cp866UpperCase();
    auto parts = testsupport::fuzz::Parts(testsupport::fuzz::Text(data, size), '\0', 3);
    parts[0] = cobwen::TrimBlanks(parts[0]);
    const std::string description = cobwen::OneLineDescription(parts[2]);
    cobwen::DescriptionName(parts[1]);
    cobwen::WithoutEmptyLines(parts[0]);
    const std::string once = cobwen::DescribeInText(parts[0], parts[1], description, upperCase);
    const bool oneLine = description.find('\n') == std::string::npos &&
                         parts[1].find_first_of("\r\n") == std::string_view::npos;
    if (oneLine && cobwen::DescribeInText(once, parts[1], description, upperCase) != once)
        std::abort();
    return 0;
}
