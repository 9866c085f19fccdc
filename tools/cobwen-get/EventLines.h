#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// The lines cobwen-get prints for the queue's events, in UTF-8 (the events carry code page 1251
// text). Each line ends with "\n"; a line break inside a message continues indented.
std::string StartLine(std::string_view url);
std::string OverwriteLine(std::string_view question, bool answer);
std::string ErrorLine(std::string_view text);
std::string DoneLine(bool failed, std::string_view url);
std::string StoppedLine();

// Adds up the block sizes of OnProgress and gives a "progress" line with the total so far each
// time the total passes another `step` bytes.
class ProgressTotal {
public:
    explicit ProgressTotal(std::int64_t step) : step_(step) {}
    std::optional<std::string> Add(std::int32_t blockSize);
    std::string Line() const;
    std::int64_t Total() const { return total_; }

private:
    std::int64_t step_;
    std::int64_t total_ = 0;
    std::int64_t reported_ = 0;
};

} // namespace cobwen
