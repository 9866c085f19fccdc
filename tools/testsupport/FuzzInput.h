#pragma once

// Helpers for the fuzz targets: the input as text, cut into parts, and a file that
// holds it for the readers that open files.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

// A property the target asserts: a failure aborts, which the fuzzer reports as a crash with its
// input.
inline void Check(bool holds) {
    if (!holds)
        std::abort();
}

// The input taken from the front, piece by piece: bytes, 32-bit numbers and texts up to a
// separator. What is read past the end is zero or empty.
class Reader {
public:
    explicit Reader(std::string_view input) : rest_(input) {}
    bool Empty() const { return rest_.empty(); }
    std::uint8_t Byte() {
        if (rest_.empty())
            return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    bool Flag() { return Byte() & 1; }
    std::uint32_t Word() {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i)
            word |= std::uint32_t{Byte()} << (8 * i);
        return word;
    }
    // The text up to the separator (dropped) or to the end.
    std::string_view Text(char separator) {
        const std::size_t at = rest_.find(separator);
        const std::string_view text = rest_.substr(0, at);
        rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
        return text;
    }
    std::string_view Rest() {
        const std::string_view rest = rest_;
        rest_ = {};
        return rest;
    }

private:
    std::string_view rest_;
};

// A file of this process's own under the temporary folder, holding the bytes.
std::string InputFile(std::string_view bytes);

} // namespace testsupport::fuzz
