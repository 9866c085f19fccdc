#include "browser/catalogue/core/DateTime.h"

#include "browser/catalogue/core/TextLocale.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace cobwen {
namespace {

// Days from 1 March of year 0 style civil calendar arithmetic (proleptic Gregorian).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

const long long EpochDays = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

bool LocalNow(std::tm& out) {
    const std::time_t t = std::time(nullptr);
#ifdef _WIN32
    return localtime_s(&out, &t) == 0;
#else
    return localtime_r(&t, &out) != nullptr;
#endif
}

// Reads a run of digits; false when there is none (or it is absurdly long).
bool ReadNumber(std::string_view text, std::size_t& pos, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++digits > 9) {
            return false;
        }
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return digits > 0;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

} // namespace

std::optional<DateTime> EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return static_cast<DateTime>(DaysFromCivil(year, month, day) - EpochDays);
}

DateTime EncodeTime(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

DateParts DecodeDateTime(DateTime value) {
    DateParts parts;
    double whole = std::trunc(value);
    // Rounded to the second so that an encoded time reads back as written.
    long long seconds = std::llround(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += value < 0 ? -1 : 1;
    }
    CivilFromDays(static_cast<long long>(whole) + EpochDays, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

std::optional<DateTime> ReadDate(std::string_view text, char separator) {
    std::size_t pos = 0;
    int day = 0, month = 0, year = 0, digits = 0, yearDigits = 0;
    SkipBlanks(text, pos);
    if (!ReadNumber(text, pos, day, digits)) {
        return std::nullopt;
    }
    if (pos >= text.size() || text[pos] != separator) {
        return std::nullopt;
    }
    ++pos;
    if (!ReadNumber(text, pos, month, digits)) {
        return std::nullopt;
    }
    std::tm now{};
    if (!LocalNow(now)) {
        return std::nullopt;
    }
    const int currentYear = now.tm_year + 1900;
    if (pos < text.size() && text[pos] == separator) {
        ++pos;
        if (!ReadNumber(text, pos, year, yearDigits)) {
            return std::nullopt;
        }
        if (yearDigits <= 2) {
            // Two-digit years: the century that keeps the year within 50 years before today.
            year += currentYear / 100 * 100;
            if (year < currentYear - 50) {
                year += 100;
            } else if (year > currentYear + 50) {
                year -= 100;
            }
        }
    } else {
        year = currentYear;
    }
    SkipBlanks(text, pos);
    if (pos != text.size()) {
        return std::nullopt;
    }
    return EncodeDate(year, month, day);
}

DateTime Now() {
    std::tm now{};
    if (!LocalNow(now)) {
        return 0;
    }
    return *EncodeDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday) +
           EncodeTime(now.tm_hour, now.tm_min, now.tm_sec);
}

DateTime Today() {
    return std::trunc(Now());
}

std::string FormatFileDate(DateTime value, const TextLocale& locale) {
    const DateParts p = DecodeDateTime(value);
    char time[32];
    std::snprintf(time, sizeof time, " (%02d:%02d:%02d)", p.hour, p.minute, p.second);
    return std::to_string(p.day) + " " + locale.ShortMonthName(p.month) + " " +
           std::to_string(p.year) + time;
}

std::string FormatIsoDate(DateTime value) {
    const DateParts p = DecodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

std::string FormatDate(DateTime value, std::string_view picture, const TextLocale& locale) {
    const DateParts p = DecodeDateTime(value);
    auto number = [](int n, int width) {
        std::string text = std::to_string(n);
        if (text.size() < static_cast<std::size_t>(width)) {
            text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
        }
        return text;
    };
    std::string out;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            const std::size_t close = picture.find('\'', i + 1);
            if (close == i + 1) {
                out += '\'';
            } else {
                out.append(picture.substr(i + 1, close == std::string_view::npos
                                                     ? std::string_view::npos
                                                     : close - i - 1));
            }
            i = close == std::string_view::npos ? picture.size() : close + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) {
            ++run;
        }
        switch (c) {
        case 'd':
            out += number(p.day, run == 1 ? 1 : 2);
            break;
        case 'M':
            out +=
                run >= 3 ? locale.ShortMonthName(p.month) : number(p.month, static_cast<int>(run));
            break;
        case 'y':
            out += run >= 3 ? number(p.year, 4) : number(p.year % 100, static_cast<int>(run));
            break;
        case 'g':
            break;
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
    return out;
}

std::string FormatShortDate(DateTime value, const TextLocale& locale) {
    return FormatDate(value, locale.ShortDateFormat(), locale);
}

} // namespace cobwen
