// A plug-in's language file, as a translator may have left it: every message number, present or
// not, gives a text, never a null pointer.
#include "plugin-host/standin/core/LanguageFile.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto table = ulvar::standin::LanguageTable::Parse(testsupport::fuzz::Text(data, size));
    for (int number = -2; number <= table.Size() + 2; ++number) {
        const char* text = table.Get(number);
        if (text == nullptr || std::strchr(text, '\n') != nullptr)
            std::abort();
    }
    return 0;
}
