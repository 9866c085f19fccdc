#include "browser/catalogue/win/SystemLocale.h"

#include <windows.h>

namespace cobwen {

namespace {

std::array<unsigned char, 256> CaseTable(LCID lcid, DWORD mapping) {
    std::array<unsigned char, 256> table{};
    for (int code = 0; code < 256; ++code) {
        const char in = static_cast<char>(code);
        char out = in;
        if (LCMapStringA(lcid, mapping, &in, 1, &out, 1) != 1)
            out = in;
        table[static_cast<std::size_t>(code)] = static_cast<unsigned char>(out);
    }
    return table;
}

std::string LocaleText(LCID lcid, LCTYPE item) {
    char buffer[128] = {};
    const int length = GetLocaleInfoA(lcid, item, buffer, sizeof buffer);
    // The length counts the terminating null.
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string();
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

SystemTextLocale::SystemTextLocale(unsigned long lcid) : lcid_(lcid) {
    lower_ = CaseTable(lcid, LCMAP_LOWERCASE);
    upper_ = CaseTable(lcid, LCMAP_UPPERCASE);
    thousandSeparator_ = LocaleText(lcid, LOCALE_STHOUSAND);
    decimalSeparator_ = LocaleText(lcid, LOCALE_SDECIMAL);
    for (int month = 0; month < 12; ++month)
        shortMonthNames_[static_cast<std::size_t>(month)] =
            LocaleText(lcid, static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + month));
    shortDateFormat_ = LocaleText(lcid, LOCALE_SSHORTDATE);
}

int SystemTextLocale::CompareText(std::string_view a, std::string_view b) const {
    const int result = CompareStringA(lcid_, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()));
    if (result != 0)
        return result - CSTR_EQUAL;
    // The system refused (an unknown locale): fall back to comparing the case-folded bytes.
    return Sign(Lower(a).compare(Lower(b)));
}

} // namespace cobwen
