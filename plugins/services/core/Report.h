#pragma once

// The text report of a service that the host shows on F3 and searches in: labelled lines (the
// labels padded to one width) for the names, description, type, start type, state, error control,
// account, group and tag, dependencies and executable path, each ended with CR LF, in OEM.

#include "plugins/services/core/ServiceNode.h"

#include <functional>
#include <string>

namespace sentrel {

inline constexpr std::size_t ReportLineWidth = 80;
inline constexpr std::size_t MaxLabelWidth = 35;
inline constexpr std::size_t LabelPadding = 5;

struct ReportTexts {
    std::function<std::string(int)> message; // OEM
    std::function<std::string(const std::string&)> oemFromAnsi;
};

// The longest label plus 5, at most 35.
std::size_t ReportLabelWidth(const std::function<std::string(int)>& message);

std::string BuildReport(const ServiceNode& record, const ReportTexts& texts);

// A text broken into lines of at most width characters at the last blank before the limit; a word
// longer than a line is cut at the limit. width 0 counts as 1.
std::vector<std::string> BreakText(const std::string& text, std::size_t width);

} // namespace sentrel
