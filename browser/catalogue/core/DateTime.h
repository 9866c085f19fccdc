#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

class TextLocale;

// Whole days since 30 December 1899; the fraction is the time of day.
using DateTime = double;

struct DateParts {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

std::optional<DateTime> EncodeDate(int year, int month, int day);
DateTime EncodeTime(int hour, int minute, int second);
DateParts DecodeDateTime(DateTime value);

// Reads a date written day, month, year with `separator` between them (the short format
// "dd.mm.yyyy"); one- or two-digit years fall in the century window of 50 years around today.
// Returns nothing when the text is not a valid date.
std::optional<DateTime> ReadDate(std::string_view text, char separator);

// The current local date and time, and today's date without time.
DateTime Now();
DateTime Today();

// "d mmm yyyy (hh:nn:ss)" with the locale's month abbreviations.
std::string FormatFileDate(DateTime value, const TextLocale& locale);
// "yyyy-mm-dd".
std::string FormatIsoDate(DateTime value);

// The date after a picture of the system's kind: "d" and "dd" the day, "M" and "MM" the month,
// "MMM" the locale's month abbreviation, "y" and "yy" the year in its century, "yyyy" the whole
// year; 'quoted' text is copied without its quotes ("''" gives one quote), "g" (the era) is left
// out and any other character is copied. Day names and full month names have no place in the
// short pictures this serves: longer runs of "d" read as "dd" and of "M" as "MMM".
std::string FormatDate(DateTime value, std::string_view picture, const TextLocale& locale);
// The date in the locale's short date format.
std::string FormatShortDate(DateTime value, const TextLocale& locale);

} // namespace cobwen
