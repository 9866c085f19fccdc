#include "plugins/startup/core/MessageFormat.h"

namespace launchet {

std::string FillPlaceholder(std::string_view message, std::string_view placeholder,
                            std::string_view value) {
    std::string text(message);
    std::size_t const at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
    return text;
}

} // namespace launchet
