#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cobwen {

// The upper-case form of each byte value of an 8-bit code page (a byte without one maps to
// itself). Names in a description file compare case-insensitively through such a table.
using ByteCaseTable = std::array<unsigned char, 256>;

// Code page 866, the Russian console's: Latin, Russian, and the Ukrainian and Belarusian letters
// Є, Ї and Ў.
ByteCaseTable Cp866UpperCase();

// How a file name stands in a description file: in double quotes, with any double quote in it
// doubled, when it contains a blank; as given otherwise.
std::string DescriptionName(std::string_view fileName);

// The description on one line: every CR LF pair and every other CR becomes one blank; a lone LF
// stays.
std::string OneLineDescription(std::string_view text);

// Every run of two or more CR LF pairs becomes a single CR LF, so that empty lines disappear.
std::string WithoutEmptyLines(std::string_view fileText);

// The text of a description file (console code page, trimmed) with `description` (already in the
// console code page) recorded for `fileName`.
//
// Empty lines are dropped first. A line describes the file when it holds, from its start: an
// optional double quote, the name as DescriptionName gives it (compared byte for byte through
// `upperCase`, so characters that mean something in patterns are plain characters here), an
// optional double quote, and a blank or a tab. Every such line is rewritten as its name part
// exactly as it stood, a blank and the description. Without such a line, the name, a blank and the
// description are appended as a new last line. Lines end at LF; a CR before the LF belongs to the
// line break and is kept. The description is inserted as it is, whatever characters it holds.
std::string DescribeInText(std::string_view fileText, std::string_view fileName,
                           std::string_view description, const ByteCaseTable& upperCase);

} // namespace cobwen
