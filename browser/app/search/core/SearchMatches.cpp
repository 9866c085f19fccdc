#include "browser/app/search/core/SearchMatches.h"

#include "browser/catalogue/core/TextLocale.h"

#include <algorithm>
#include <string>

namespace cobwen {

bool SearchMatches(std::string_view value, std::string_view text, bool inner,
                   const TextLocale& locale) {
    if (text.empty()) {
        return true;
    }
    const std::string upperValue = locale.Upper(value);
    const std::string upperText = locale.Upper(text);
    if (inner) {
        return upperValue.find(upperText) != std::string::npos;
    }
    const std::size_t n = std::min(upperValue.size(), upperText.size());
    return upperValue.compare(0, n, upperText, 0, n) == 0;
}

} // namespace cobwen
