#include "plugins/services/core/Report.h"

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr int LabelMessages[] = {
    msg::ReportName,      msg::ReportDisplayName, msg::ReportType,    msg::ReportWin32,
    msg::ReportStartType, msg::ReportState,       msg::ReportAccount, msg::ReportDriverObject,
    msg::ReportGroup,     msg::ReportTag,         msg::ReportPath,    msg::ReportErrorControl,
};

class Writer {
public:
    Writer(std::size_t width) : width_(width) {}

    void Line(const std::string& label, const std::string& value) {
        text_ += label;
        if (label.size() < width_)
            text_.append(width_ - label.size(), ' ');
        text_ += value;
        text_ += "\r\n";
    }
    void Continue(const std::string& value) { Line("", value); }
    void Empty() { text_ += "\r\n"; }
    std::string Take() { return std::move(text_); }

private:
    std::size_t width_;
    std::string text_;
};

std::string Numbered(const ReportTexts& texts, int first, std::uint32_t value,
                     std::uint32_t count) {
    return value < count ? texts.message(first + static_cast<int>(value)) : "???";
}

} // namespace

std::size_t ReportLabelWidth(const std::function<std::string(int)>& message) {
    std::size_t longest = 0;
    for (int number : LabelMessages)
        longest = std::max(longest, message(number).size());
    return std::min(longest + LabelPadding, MaxLabelWidth);
}

std::vector<std::string> BreakText(const std::string& text, std::size_t width) {
    width = std::max<std::size_t>(width, 1);
    std::vector<std::string> lines;
    std::string_view rest(text);
    while (rest.size() > width) {
        std::size_t cut = rest.substr(0, width + 1).rfind(' ');
        if (cut == std::string_view::npos || cut == 0) {
            lines.emplace_back(rest.substr(0, width));
            rest.remove_prefix(width);
        } else {
            lines.emplace_back(rest.substr(0, cut));
            rest.remove_prefix(cut + 1);
        }
    }
    if (!rest.empty() || lines.empty())
        lines.emplace_back(rest);
    return lines;
}

std::string BuildReport(const ServiceNode& record, const ReportTexts& texts) {
    const auto& m = texts.message;
    const auto oem = texts.oemFromAnsi;
    const ServiceConfig& config = record.config;
    const std::size_t width = ReportLabelWidth(m);
    Writer out(width);

    out.Line(m(msg::ReportName), oem(record.name));
    if (config.displayName != record.name)
        out.Line(m(msg::ReportDisplayName), oem(config.displayName));
    out.Empty();

    if (record.description && !record.description->empty()) {
        const auto lines = BreakText(*record.description, ReportLineWidth - width);
        out.Line(m(msg::ReportDescription), lines.front());
        for (std::size_t i = 1; i < lines.size(); ++i)
            out.Continue(lines[i]);
        out.Empty();
    }

    const bool win32 = (config.serviceType & Win32ServiceTypes) != 0;
    const bool driver = (config.serviceType & DriverTypes) != 0;
    int typeMessage = -1;
    if (win32)
        typeMessage = msg::ReportWin32;
    else if (config.serviceType & 0x1)
        typeMessage = msg::ReportKernelDriver;
    else if (config.serviceType & 0x2)
        typeMessage = msg::ReportFileSystemDriver;
    if (typeMessage >= 0) {
        out.Line(m(msg::ReportType), m(typeMessage));
        if (win32) {
            out.Continue(
                m(config.serviceType & 0x10 ? msg::ReportOwnProcess : msg::ReportSharedProcess));
            if (config.serviceType & 0x100)
                out.Continue(m(msg::ReportInteractive));
        }
        out.Empty();
    }

    out.Line(m(msg::ReportStartType),
             Numbered(texts, msg::ReportStartTypeBoot, config.startType, 5));
    out.Line(m(msg::ReportState), Numbered(texts, msg::ReportStateStopped, record.state - 1, 7));
    out.Empty();
    out.Line(m(msg::ReportErrorControl),
             Numbered(texts, msg::ReportErrorIgnore, config.errorControl, 4));
    out.Empty();

    if (win32) {
        std::string account = config.account.empty() ? "LocalSystem" : config.account;
        if (account.rfind(".\\", 0) == 0)
            account.erase(0, 2);
        out.Line(m(msg::ReportAccount), oem(account));
        out.Empty();
    } else if (!config.account.empty()) {
        out.Line(m(msg::ReportDriverObject), oem(config.account));
        out.Empty();
    }

    if (!config.loadOrderGroup.empty()) {
        out.Line(m(msg::ReportGroup), oem(config.loadOrderGroup));
        if (driver && config.startType <= 1)
            out.Line(m(msg::ReportTag), std::to_string(config.tagId));
        out.Empty();
    }

    if (!config.dependencies.empty()) {
        for (std::size_t i = 0; i < config.dependencies.size(); ++i) {
            const std::string& entry = config.dependencies[i];
            const std::string value =
                entry.size() > 1 && entry[0] == '+'
                    ? FillInserts(m(msg::ReportGroupDependency), {oem(entry.substr(1))})
                    : oem(entry);
            if (i == 0)
                out.Line(m(msg::ReportDependencies), value);
            else
                out.Continue(value);
        }
        out.Empty();
    }

    if (!config.binaryPath.empty())
        out.Line(m(msg::ReportPath), oem(config.binaryPath));
    return out.Take();
}

} // namespace sentrel
