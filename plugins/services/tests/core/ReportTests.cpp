#include "plugins/services/core/Report.h"

#include "plugins/services/core/Messages.h"
#include "plugins/services/tests/core/ServiceFixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace sentrel::test {

namespace {

// Labels of the English catalogue's length; values "m<number>".
std::string Message(int number) {
    static const std::map<int, std::string> labels = {
        {msg::ReportName, "Service name:"},
        {msg::ReportDisplayName, "Display name:"},
        {msg::ReportType, "Type:"},
        {msg::ReportWin32, "Win32 service"},
        {msg::ReportStartType, "Start type:"},
        {msg::ReportState, "State:"},
        {msg::ReportAccount, "Account:"},
        {msg::ReportDriverObject, "Driver object:"},
        {msg::ReportGroup, "Group:"},
        {msg::ReportTag, "Tag:"},
        {msg::ReportPath, "Executable:"},
        {msg::ReportErrorControl, "Error control:"},
        {msg::ReportDescription, "Description:"},
        {msg::ReportDependencies, "Depends on:"},
        {msg::ReportGroupDependency, "group %1"},
    };
    const auto found = labels.find(number);
    return found != labels.end() ? found->second : NumberedMessage(number);
}

ReportTexts Texts(std::function<std::string(int)> message = Message) {
    return ReportTexts{std::move(message), [](const std::string& ansi) {
                           return "<" + ansi + ">";
                       }};
}

// Label "Error control:" (14) + 5.
std::string Pad(const std::string& label) {
    return label + std::string(19 - label.size(), ' ');
}

} // namespace

TEST(Report, AServiceWithEverything) {
    auto service = MakeService("TestSvc", StateRunning, 2, "Test service", ".\\tester");
    service->config.serviceType = 0x110;
    service->config.loadOrderGroup = "Base";
    service->config.dependencies = {"RpcSs", "+NetGroup"};
    service->config.binaryPath = "C:\\svc.exe -x";
    service->description = "Short text";
    const std::string expected =
        Pad("Service name:") + "<TestSvc>\r\n" + Pad("Display name:") + "<Test service>\r\n\r\n" +
        Pad("Description:") + "Short text\r\n\r\n" + Pad("Type:") + "Win32 service\r\n" + Pad("") +
        "m155\r\n" + Pad("") + "m157\r\n\r\n" + Pad("Start type:") + "m161\r\n" + Pad("State:") +
        "m168\r\n\r\n" + Pad("Error control:") + "m174\r\n\r\n" + Pad("Account:") +
        "<tester>\r\n\r\n" + Pad("Group:") + "<Base>\r\n\r\n" + Pad("Depends on:") + "<RpcSs>\r\n" +
        Pad("") + "group <NetGroup>\r\n\r\n" + Pad("Executable:") + "<C:\\svc.exe -x>\r\n";
    EXPECT_EQ(BuildReport(*service, Texts()), expected);
}

TEST(Report, ADriverShowsItsObjectNameAndTag) {
    auto driver = MakeService("disk", StateRunning, 0, "", "\\Driver\\disk");
    driver->config.serviceType = 0x1;
    driver->config.loadOrderGroup = "SCSI Class";
    driver->config.tagId = 12;
    driver->config.errorControl = 9;
    const std::string report = BuildReport(*driver, Texts());
    EXPECT_EQ(report.find("Display name:"), std::string::npos);
    EXPECT_NE(report.find(Pad("Type:") + "m153\r\n\r\n"), std::string::npos);
    EXPECT_NE(report.find(Pad("Start type:") + "m159\r\n"), std::string::npos);
    EXPECT_NE(report.find(Pad("Error control:") + "???\r\n"), std::string::npos);
    EXPECT_NE(report.find(Pad("Driver object:") + "<\\Driver\\disk>\r\n\r\n"), std::string::npos);
    EXPECT_NE(report.find(Pad("Group:") + "<SCSI Class>\r\n" + Pad("Tag:") + "12\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(report.find("Account:"), std::string::npos);
}

TEST(Report, ValuesWithoutATextAndOddTypes) {
    struct Case {
        const char* what;
        std::uint32_t type, start, state;
        std::string account;
        std::string present, absent;
    };
    const Case cases[] = {
        {"shared process", 0x20, 3, 1, "", Pad("") + "m156\r\n", "m155"},
        {"no account is LocalSystem", 0x10, 3, 1, "", "<LocalSystem>", "Driver object"},
        {"file-system driver", 0x2, 1, 4, "", "m154\r\n\r\n", "Account:"},
        {"unknown type writes no type line", 0x40, 3, 1, "", Pad("Start type:"), "Type:"},
        {"unknown start type", 0x10, 7, 1, "", Pad("Start type:") + "???", "m159"},
        {"unknown state", 0x10, 3, 0, "", Pad("State:") + "???", "m165"},
        {"state 7 is paused", 0x10, 3, 7, "", Pad("State:") + "m171", "???"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto record = MakeService("x", c.state, c.start, "", c.account);
        record->config.serviceType = c.type;
        const std::string report = BuildReport(*record, Texts());
        EXPECT_NE(report.find(c.present), std::string::npos) << report;
        EXPECT_EQ(report.find(c.absent), std::string::npos) << report;
    }
}

TEST(Report, LongDescriptionsContinueUnderTheFirstLine) {
    auto record = MakeService("x");
    std::string description;
    for (int i = 0; i < 40; ++i)
        description += "word" + std::to_string(i) + " ";
    description += std::string(100, 'L');
    record->description = description;
    const std::string report = BuildReport(*record, Texts());
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = report.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(report.substr(start, end - start));
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[2].rfind(Pad("Description:"), 0), 0u);
    std::string joined;
    std::size_t index = 2;
    for (; index < lines.size() && !lines[index].empty(); ++index) {
        EXPECT_LE(lines[index].size(), ReportLineWidth) << lines[index];
        if (index > 2) {
            EXPECT_EQ(lines[index].rfind(Pad(""), 0), 0u) << lines[index];
        }
        joined += lines[index].substr(19) + " ";
    }
    EXPECT_GT(index, 5u);
    // Every word comes back; the long one was cut at the limit.
    EXPECT_NE(joined.find("word0 word1"), std::string::npos);
    EXPECT_NE(joined.find("word39"), std::string::npos);
    EXPECT_NE(lines[index - 2].find(std::string(61, 'L')), std::string::npos);
}

TEST(Report, TheLabelColumnIsCappedAt35) {
    const auto longLabels = [](int number) {
        return number == msg::ReportName ? std::string(40, 'N') : std::string("x");
    };
    EXPECT_EQ(ReportLabelWidth(longLabels), MaxLabelWidth);
    const auto shortLabels = [](int number) {
        return number == msg::ReportTag ? std::string(31, 'T') : std::string("x");
    };
    EXPECT_EQ(ReportLabelWidth(shortLabels), 35u);
    EXPECT_EQ(ReportLabelWidth([](int) { return std::string("abc"); }), 8u);

    auto record = MakeService("svc");
    const std::string report = BuildReport(*record, Texts(longLabels));
    EXPECT_EQ(report.rfind(std::string(40, 'N') + "<svc>\r\n", 0), 0u);
}

TEST(Report, BreakingText) {
    struct Case {
        std::string text;
        std::size_t width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a b c", 10, {"a b c"}},
        {"aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 6, {"aaa", "bbb", "ccc"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"abc", 0, {"a", "b", "c"}},
        {"", 10, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(BreakText(c.text, c.width), c.lines);
    }
}

} // namespace sentrel::test
