// A whole catalogue file as it comes from the network: the compressed container and its lines.
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/TextLocale.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cobwen::BuiltinRussianLocale locale;
    cobwen::TCobwenArchive archive(locale);
    const int result =
        archive.LoadFromFile(testsupport::fuzz::InputFile(testsupport::fuzz::Text(data, size)));
    if (result < cobwen::LoadOk || result > cobwen::LoadSkippedLines)
        std::abort();
    return 0;
}
