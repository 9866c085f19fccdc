#pragma once

// Helpers for the fuzz targets: the input as text, cut into parts, and a file that
// holds it for the readers that open files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport::fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The text cut at every `separator`, at most `count` parts (the last takes the rest).
inline std::vector<std::string_view> Parts(std::string_view text, char separator,
                                           std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos)
            break;
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    while (parts.size() < count)
        parts.emplace_back();
    return parts;
}

// A file of this process's own under the temporary folder, holding the bytes.
std::string InputFile(std::string_view bytes);

} // namespace testsupport::fuzz
