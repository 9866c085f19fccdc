#include "browser/app/settings/core/SettingsStore.h"

#include "browser/catalogue/core/TextHelpers.h"

namespace cobwen {

std::int32_t IntegerFromText(std::string_view text, std::int32_t fallback) {
    std::int32_t value = 0;
    return TryParseInt32(text, value) ? value : fallback;
}

} // namespace cobwen
