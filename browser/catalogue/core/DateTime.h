#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

class TextLocale;

// Whole days since 30 December 1899; the fraction is the time of day.
using TDateTime = double;

struct DateParts {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

std::optional<TDateTime> EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second);
DateParts DecodeDateTime(TDateTime value);

// Reads a date written day, month, year with `separator` between them (the short format
// "dd.mm.yyyy"); one- or two-digit years fall in the century window of 50 years around today.
// Returns nothing when the text is not a valid date.
std::optional<TDateTime> ReadDate(std::string_view text, char separator);

// The current local date and time, and today's date without time.
TDateTime Now();
TDateTime Today();

// "d mmm yyyy (hh:nn:ss)" with the locale's month abbreviations.
std::string FormatFileDate(TDateTime value, const TextLocale& locale);
// "yyyy-mm-dd".
std::string FormatIsoDate(TDateTime value);

} // namespace cobwen
