#pragma once

#include <string_view>

namespace cobwen {

class TextLocale;

// Whether a value of the picker matches the typed text: an empty text matches every value; else
// both are upper-cased by the locale, and with `inner` the value must contain the text, without it
// the first min(length) characters of both must be equal (so a value that is itself the beginning
// of the text matches too).
bool SearchMatches(std::string_view value, std::string_view text, bool inner,
                   const TextLocale& locale);

} // namespace cobwen
