#pragma once

#include <string>
#include <string_view>

namespace cobwen {

struct UrlParts {
    std::string host;
    std::string object; // from the first "/" after the host on
};

// The text after the last "/" (a trailing "/" does not count as a separator).
std::string UrlFileName(std::string_view url);
// Host and object path; "http://" dropped, no port parsed out.
UrlParts SplitUrl(std::string_view url);
// Whether "http://" occurs anywhere in the URL, in any case.
bool ContainsHttpScheme(std::string_view url);
// Percent-encodes every byte but letters, digits and "_"; keeps existing "%XX" sequences.
std::string UrlEncode(std::string_view text);

} // namespace cobwen
