#include "browser/app/main/core/AboutBox.h"

#include "browser/catalogue/core/UrlHelpers.h"

namespace cobwen {

std::string MailtoTarget(std::string_view address) {
    return "mailto:" + UrlEncode(address);
}

} // namespace cobwen
