// Texts the plug-in did not write: message texts of a language file with their inserts, and a
// service's names, paths, account, dependencies and description as a computer reports them, drawn
// into message boxes, the panel's columns and the report. Lines are broken within their widths and
// a box keeps its line limit.
#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Report.h"
#include "plugins/services/core/ServiceItems.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

using testsupport::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::fuzz::Reader input(testsupport::fuzz::Text(data, size));
    const std::uint8_t shape = input.Byte();
    const std::size_t width = input.Byte();

    // Parts cut at 0x01: the first is a message text, the others its inserts and the fields of a
    // service record.
    std::vector<std::string> parts;
    while (!input.Empty() && parts.size() < 40)
        parts.emplace_back(input.Text('\x01'));
    const auto part = [&parts](std::size_t index) {
        return index < parts.size() ? parts[index] : std::string();
    };

    const std::vector<std::string> inserts(parts.begin() + (parts.empty() ? 0 : 1), parts.end());
    const std::string filled = sentrel::FillInserts(part(0), inserts);
    sentrel::MessageLines(filled);

    std::vector<std::optional<std::string>> texts;
    for (const std::string& text : parts)
        texts.push_back(text.empty() ? std::nullopt : std::optional<std::string>(text));
    const auto box = sentrel::BuildMessageBox(texts, shape % 4, shape & 4, "error");
    Check(box.lines.size() <= sentrel::MaxMessageLines);

    for (const std::string& line : sentrel::BreakText(part(1), width))
        Check(line.size() <= std::max<std::size_t>(width, 1));

    sentrel::ServiceNode record;
    record.name = part(2);
    record.config.displayName = part(3);
    record.config.binaryPath = part(4);
    record.config.loadOrderGroup = part(5);
    record.config.account = part(6);
    record.config.serviceType = shape & 8 ? 0x10 : 0x01;
    record.config.startType = shape >> 4;
    record.config.errorControl = width % 5;
    record.state = (shape >> 2) % 9;
    for (std::size_t i = 8; i < parts.size(); ++i)
        record.config.dependencies.push_back(parts[i]);
    if (!part(7).empty())
        record.description = part(7);

    // Every message is the input's first part, as a language file may give any text any number.
    const auto message = [&parts](int) {
        return parts.empty() ? std::string() : parts[0];
    };
    const auto same = [](const std::string& text) {
        return text;
    };
    Check(sentrel::ReportLabelWidth(message) <= sentrel::MaxLabelWidth);
    sentrel::BuildReport(record, sentrel::ReportTexts{message, same});

    sentrel::ItemOptions options;
    options.message = message;
    options.oemFromAnsi = same;
    options.useAttrMapping = shape & 2;
    options.attrTable = sentrel::BuildAttrTable(sentrel::DefaultMappings());
    Check(sentrel::ServiceColumns(record, options).size() == sentrel::ServiceColumnCount);
    return 0;
}
