#include "plugin-host/standin/core/LanguageFile.h"
#include "plugin-host/standin/win/PluginLibrary.h"
#include "plugins/netstat/core/Messages.h"
#include "plugins/netstat/core/PortNames.h"
#include "plugins/netstat/tests/win/PluginFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace sockwell::test {
namespace {

namespace fs = std::filesystem;
using ulvar::standin::PluginLibrary;

TEST(SockwellDll, ExportsThePanelEntryPointsAndNoFileOperations) {
    PluginLibrary library((fs::path(ProgramFolder()) / "sockwell.dll").string());
    ASSERT_TRUE(library.Loaded()) << library.Error();
    for (const char* name :
         {"SetStartupInfo", "GetPluginInfo", "OpenPlugin", "GetOpenPluginInfo", "GetFindData",
          "FreeFindData", "ProcessKey", "ProcessEvent", "Configure", "ExitUlvar"})
        EXPECT_NE(library.Export(name), nullptr) << name;
    for (const char* name :
         {"ClosePlugin", "SetDirectory", "GetFiles", "PutFiles", "DeleteFiles", "Compare"})
        EXPECT_EQ(library.Export(name), nullptr) << name;
}

TEST(SockwellDll, LanguageFilesHoldEveryMessageInTheirCodePages) {
    ulvar::standin::LanguageTable english, russian;
    ASSERT_TRUE(english.LoadFile((fs::path(ProgramFolder()) / "sockwell_en.lng").string()));
    ASSERT_TRUE(russian.LoadFile((fs::path(ProgramFolder()) / "sockwell_ru.lng").string()));
    EXPECT_EQ(english.Size(), msg::Count);
    EXPECT_EQ(russian.Size(), msg::Count);
    for (int i = 0; i < msg::Count; ++i) {
        EXPECT_STRNE(english.Get(i), "") << i;
        EXPECT_STRNE(russian.Get(i), "") << i;
    }
    // "Состояние" in code page 866.
    EXPECT_STREQ(russian.Get(msg::ColumnState), "\x91\xae\xe1\xe2\xae\xef\xad\xa8\xa5");
}

TEST(SockwellDll, ShippedPortsListNamesTheCommonServicesByProtocol) {
    std::ifstream file(fs::path(ProgramFolder()) / "ports.lst", std::ios::binary);
    ASSERT_TRUE(file) << "ports.lst beside the DLL";
    std::string const bytes{std::istreambuf_iterator<char>(file), {}};
    PortNameTable table;
    LoadPortNames(bytes, table);
    EXPECT_EQ(table.Name(Protocol::Tcp, 80), "http");
    EXPECT_EQ(table.Name(Protocol::Tcp, 443), "https");
    EXPECT_EQ(table.Name(Protocol::Tcp, 21), "ftp");
    EXPECT_EQ(table.Name(Protocol::Udp, 53), "domain");
    EXPECT_EQ(table.Name(Protocol::Udp, 137), "netbios-ns");
    EXPECT_EQ(table.Name(Protocol::Udp, 80), "");
    EXPECT_EQ(table.Name(Protocol::Tcp, 123), "");
    EXPECT_EQ(table.Name(Protocol::Udp, 0), "") << "no line of the shipped list lacks its port";
}

class SockwellHostTest : public SockwellTest {};

TEST_F(SockwellHostTest, OffersTitleInDisksPluginsAndConfigurationMenus) {
    LoadDll("ru");
    auto const menus = Host().GetPluginInfo();
    std::string const title = Msg(msg::Title);
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(menus.flags, 0u);
    EXPECT_EQ(menus.disksMenu, std::vector<std::string>{title});
    EXPECT_EQ(menus.disksMenuNumbers, std::vector<int>{0});
    EXPECT_EQ(menus.pluginsMenu, std::vector<std::string>{title});
    EXPECT_EQ(menus.configMenu, std::vector<std::string>{title});
    EXPECT_EQ(menus.commandPrefix, "");
}

TEST_F(SockwellHostTest, EveryOriginOpensTheSamePanelDescribedWithFourColumns) {
    LoadDll();
    ulvar::PanelHandle first = nullptr;
    for (int origin : {ulvar::OpenFromDisksMenu, ulvar::OpenFromPluginsMenu,
                       ulvar::OpenFromCommandLine, ulvar::OpenFromShortcut}) {
        auto const handle = Host().Open(origin, reinterpret_cast<std::intptr_t>(""));
        ASSERT_NE(handle, ulvar::InvalidPanel);
        ASSERT_NE(handle, nullptr);
        if (!first)
            first = handle;
        EXPECT_EQ(handle, first) << origin;
    }
    auto const& description = Panel().Description();
    EXPECT_EQ(description.flags, ulvar::PanelAddDots | ulvar::PanelPreserveCase);
    EXPECT_EQ(description.panelTitle, Msg(msg::Title));
    EXPECT_EQ(description.curDir, "");
    EXPECT_TRUE(description.infoLines.empty());
    EXPECT_FALSE(description.hasKeyBar);
    EXPECT_EQ(description.startPanelMode, ulvar::NoStartMode);
    ASSERT_EQ(description.modes.size(), 10u);
    std::vector<std::string> const titles = {Msg(1), Msg(2), Msg(3), Msg(4)};
    for (auto const& mode : description.modes) {
        EXPECT_EQ(mode.columnTypes, "N,C0,C1,C2");
        EXPECT_EQ(mode.columnWidths, "5,0,0,11");
        EXPECT_EQ(mode.columnTitles, titles);
        EXPECT_FALSE(mode.fullScreen);
        EXPECT_TRUE(mode.detailedStatus);
        EXPECT_TRUE(mode.alignExtensions);
        EXPECT_TRUE(mode.caseConversion);
        EXPECT_EQ(mode.statusColumnTypes, "");
    }
    EXPECT_TRUE(Panel().IsDots(0));
}

} // namespace
} // namespace sockwell::test
