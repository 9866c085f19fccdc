// The decoding of the catalogue's fields: HTML descriptions, e-mail addresses, source languages,
// Windows versions, dates, sizes and URLs. The input's parts, cut at 0x14 as the fields are, go to
// each decoder.
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/FieldDecoding.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/core/UrlHelpers.h"
#include "tools/testsupport/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cobwen::BuiltinRussianLocale locale;
    const auto parts = testsupport::fuzz::Parts(testsupport::fuzz::Text(data, size), '\x14', 8);
    cobwen::HtmlToText(parts[0]);
    cobwen::EMailAddress(parts[1]);
    cobwen::SrcLanguageName(parts[2]);
    cobwen::WindowsVersionText(parts[3]);
    cobwen::BitString(parts[3]);
    if (const auto date = cobwen::ReadDate(parts[4], '.'))
        cobwen::FormatShortDate(*date, locale);
    std::int32_t number = 0;
    if (cobwen::TryParseInt32(parts[5], number))
        cobwen::FormatSize(number, locale);
    const std::size_t width = parts[6].empty() ? 0 : static_cast<unsigned char>(parts[6][0]) % 120;
    cobwen::WrapText(parts[0], width);
    cobwen::UrlFileName(parts[7]);
    cobwen::SplitUrl(parts[7]);
    cobwen::UrlEncode(parts[7]);
    cobwen::ContainsHttpScheme(parts[7]);
    return 0;
}
