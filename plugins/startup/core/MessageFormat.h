#pragma once

// Messages with one placeholder ("%s" or "%d") filled in. The language file is text, not a format:
// only the first placeholder of the expected kind is replaced, nothing else is interpreted.

#include <string>
#include <string_view>

namespace launchet {

std::string FillPlaceholder(std::string_view message, std::string_view placeholder,
                            std::string_view value);

} // namespace launchet
