#pragma once

#include <stdexcept>
#include <string>

namespace cobwen {

// A failure inside the browser, carrying the message text that is shown or turned into a
// result code where the user action or the worker ends.
class CobwenError : public std::runtime_error {
public:
    explicit CobwenError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace cobwen
