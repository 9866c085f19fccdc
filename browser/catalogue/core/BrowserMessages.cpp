#include "browser/catalogue/core/BrowserMessages.h"

#include "browser/catalogue/core/Cp1251.h"

namespace cobwen {

std::string BrowserMessageText(unsigned number) {
    for (const BrowserMessage& message : BrowserMessages) {
        if (message.Number == number)
            return Utf8ToCp1251(message.Utf8);
    }
    return {};
}

} // namespace cobwen
