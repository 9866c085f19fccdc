#pragma once

// The browser's numbered messages: their numbers as constants (for the resource script as well)
// and, for the code, their texts.

#ifndef RC_INVOKED

#include <string>
#include <string_view>

namespace cobwen {

enum : unsigned {
#define BROWSER_MESSAGE(name, number, text) name = number,
#include "browser/catalogue/core/BrowserMessages.inc"
#undef BROWSER_MESSAGE
};

struct BrowserMessage {
    unsigned Number;
    std::string_view Utf8;
};

inline constexpr BrowserMessage BrowserMessages[] = {
#define BROWSER_MESSAGE(name, number, text) {number, text},
#include "browser/catalogue/core/BrowserMessages.inc"
#undef BROWSER_MESSAGE
};

// A message's text in code page 1251; empty for a number that is not a message.
std::string BrowserMessageText(unsigned number);

} // namespace cobwen

#endif
