// The panels against the real service control manager of the Wine prefix, with a service of the
// test's own.

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/PanelInstance.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/ServiceManager.h"
#include "win32/Text.h"

#include <windows.h>

#include <algorithm>

namespace sentrel::test {

namespace {

// Names no earlier run left behind (Wine gives its processes the same ids run after run, and a
// service of a run cut short may still be registered).
class ListingTest : public SentrelTest {
protected:
    // The folder of the panel, entered from the root.
    void Enter(int folderMessage) {
        ASSERT_TRUE(Host().EnterFolder(Msg(folderMessage)));
        ASSERT_NE(Host().Panel(), nullptr);
    }
    std::string Title() { return Panel().Description().panelTitle; }
    std::string LocalOem() { return win32::OemFromAnsi(win::LocalComputerName()); }
    int CountServices() {
        int count = 0;
        for (int i = 0; i < Panel().Count(); ++i)
            if (RecordOf(Panel().Item(i)))
                ++count;
        return count;
    }
};

} // namespace

TEST_F(ListingTest, TheRootHoldsServicesAndDevices) {
    LoadLinked();
    Open();
    ASSERT_EQ(Panel().Count(), 3); // "..", Services, Devices
    EXPECT_TRUE(Panel().IsDots(0));
    for (int folder : {msg::ServicesFolder, msg::DevicesFolder}) {
        const int index = Find(Msg(folder));
        ASSERT_GE(index, 0) << Msg(folder);
        EXPECT_EQ(Panel().Item(index).Data.FileAttributes, 0x11u);
        EXPECT_NE(Panel().Item(index).Data.LastWriteTime, 0u);
    }
    EXPECT_EQ(Title(), " \\\\" + LocalOem() + " ");
    EXPECT_EQ(Panel().Description().curDir, "");
    ASSERT_EQ(Panel().Description().infoLines.size(), 8u);
    EXPECT_STREQ(Panel().Description().infoLines[1].Data, LocalOem().c_str());
    EXPECT_EQ(Panel().ViewMode(), 3);
}

TEST_F(ListingTest, ServicesAndDriversOfThePrefixWithTheirStates) {
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    const int services = CountServices();
    EXPECT_GT(services, 3);
    EXPECT_EQ(Panel().Description().curDir, Msg(msg::ServicesFolder));
    EXPECT_EQ(Title(), " " + Msg(msg::ServicesFolder) + " ");
    int running = 0;
    for (int i = 0; i < Panel().Count(); ++i) {
        const ServiceNode* record = RecordOf(Panel().Item(i));
        if (!record)
            continue;
        EXPECT_NE(record->config.serviceType & Win32ServiceTypes, 0u) << record->name;
        EXPECT_GE(record->state, 1u);
        EXPECT_LE(record->state, 7u);
        if (record->state == StateRunning)
            ++running;
        EXPECT_EQ(Column(i, 0), record->state == StateRunning  ? Msg(msg::StateRunning)
                                : record->state == StatePaused ? Msg(msg::StatePaused)
                                                               : "")
            << record->name;
    }
    EXPECT_LE(running, services);
    // The host read the description before the listing; the next one counts the list.
    Panel().Refresh();
    const auto& lines = Panel().Description().infoLines;
    EXPECT_EQ(std::string(lines[2].Data), std::to_string(services));

    ASSERT_TRUE(Host().EnterFolder(".."));
    Enter(msg::DevicesFolder);
    EXPECT_GT(CountServices(), 0);
    for (int i = 0; i < Panel().Count(); ++i) {
        if (const ServiceNode* record = RecordOf(Panel().Item(i))) {
            EXPECT_NE(record->config.serviceType & DriverTypes, 0u) << record->name;
        }
    }
}

TEST_F(ListingTest, OurServiceWithEveryColumnAndCtrlRAfterItChanged) {
    const std::string name = UniqueName("SentrelTestSvc");
    TestService service(name, "Sentrel test service " + name, "Described by the test.");
    ASSERT_TRUE(service.Created());
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    int index = Find(service.Name());
    ASSERT_GE(index, 0);
    const ulvar::PanelItem& item = Panel().Item(index);
    EXPECT_EQ(RecordOf(item)->state, StateStopped);
    EXPECT_EQ(Column(index, 0), "");
    EXPECT_EQ(Column(index, 1), Msg(msg::StartType + 3));
    EXPECT_EQ(Column(index, 2), "Sentrel test service " + service.Name());
    EXPECT_EQ(Column(index, 3), "");
    EXPECT_EQ(Column(index, 4), Msg(msg::StartTypeShort + 3));
    ASSERT_NE(item.Owner, nullptr);
    EXPECT_STREQ(item.Owner, "LocalSystem");
    ASSERT_NE(item.Description, nullptr);
    EXPECT_STREQ(item.Description, "Described by the test.");

    // The cached list is shown until Ctrl+R.
    ASSERT_TRUE(service.Change("Changed by the test " + name, SERVICE_DISABLED));
    Panel().Refresh();
    EXPECT_EQ(Column(Find(service.Name()), 2), "Sentrel test service " + service.Name());
    EXPECT_EQ(Host().PressKey('R', ulvar::KeyCtrl), 0);
    Panel().Refresh();
    index = Find(service.Name());
    ASSERT_GE(index, 0);
    EXPECT_EQ(Column(index, 2), "Changed by the test " + name);
    EXPECT_EQ(Column(index, 1), Msg(msg::StartType + 4));
}

TEST_F(ListingTest, TheReportOfOurServiceIsWrittenForViewingOnly) {
    const std::string name = UniqueName("SentrelTestRep");
    TestService service(name, "Sentrel report service " + name, "Report description.");
    ASSERT_TRUE(service.Created());
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    const int index = Find(service.Name());
    ASSERT_GE(index, 0);
    Panel().SetCursor(index);
    const std::string shortName = Panel().Item(index).Data.AlternateFileName;
    EXPECT_EQ(shortName, service.Name().substr(0, 8));
    const std::string file = Folder() + "\\" + shortName;

    EXPECT_EQ(Panel().GetFiles(Folder(), false, 0), 0);
    EXPECT_FALSE(testsupport::FileExists(file));

    ASSERT_EQ(Panel().GetFiles(Folder(), false, ulvar::OpView), 1);
    const std::string report = testsupport::ReadBytes(file);
    for (const std::string& expected : std::vector<std::string>{
             Msg(msg::ReportName), service.Name(), service.DisplayName(), "Report description.",
             Msg(msg::ReportWin32), Msg(msg::ReportOwnProcess), Msg(msg::ReportStartTypeBoot + 3),
             Msg(msg::ReportStateStopped), "LocalSystem",
             win32::OemFromAnsi(service.ProgramPath())})
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
}

TEST_F(ListingTest, TheRememberedPathBringsThePanelBack) {
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    ASSERT_TRUE(Host().ClosePanel(true));
    EXPECT_EQ(Plugin()->Lib().rememberedPath, "\\\\\\" + Msg(msg::ServicesFolder));
    Open();
    EXPECT_EQ(Panel().Description().curDir, Msg(msg::ServicesFolder));
    EXPECT_GT(CountServices(), 3);
}

TEST_F(ListingTest, TheCommandLineNamesTheLocalComputerAndAFolder) {
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    const ListPtr local = Plugin()->Lib().cache.FindList("", false);
    ASSERT_NE(local, nullptr);
    const std::string name = win::LocalComputerName();
    ASSERT_NE(Host().OpenCommandLine("\\\\" + name + "\\" + Msg(msg::ServicesFolder)),
              ulvar::InvalidPanel);
    EXPECT_EQ(Title(), " \\\\" + win32::OemFromAnsi(name) + ": " + Msg(msg::ServicesFolder) + " ");
    // The local computer by its name shares the local list.
    EXPECT_EQ(Plugin()->Lib().cache.FindList("", false), local);
    EXPECT_GT(CountServices(), 3);

    // A leading part of a folder name from the root.
    ASSERT_NE(Host().OpenCommandLine("\\Dev"), ulvar::InvalidPanel);
    EXPECT_EQ(Panel().Description().curDir, Msg(msg::DevicesFolder));
}

TEST_F(ListingTest, ALayoutChangedWhileTheRootIsShownMovesToTheNewTopFolder) {
    LoadLinked();
    Open();
    ASSERT_EQ(Panel().Description().curDir, "");
    Plugin()->Lib().settings.dirStructure = 1;
    Panel().Refresh();
    // The host read the root's description before the listing that moved on; the next one is
    // the services folder's.
    Panel().Refresh();
    EXPECT_EQ(Panel().Description().curDir, "");
    EXPECT_EQ(Title(), " " + Msg(msg::ServicesFolder) + " ");
    // The services folder at the top lists the devices folder first.
    const int devices = Find(Msg(msg::DevicesFolder));
    ASSERT_GE(devices, 0);
    EXPECT_EQ(RecordOf(Panel().Item(devices)), nullptr);
    EXPECT_GT(CountServices(), 3);
    // ".." at the top goes nowhere.
    ASSERT_TRUE(Host().EnterFolder(".."));
    EXPECT_EQ(Title(), " " + Msg(msg::ServicesFolder) + " ");
    ASSERT_TRUE(Host().EnterFolder(Msg(msg::DevicesFolder)));
    EXPECT_EQ(Panel().Description().curDir, Msg(msg::DevicesFolder));
    ASSERT_TRUE(Host().EnterFolder(".."));
    EXPECT_EQ(Panel().Description().curDir, "");
}

TEST_F(ListingTest, ASwappedViewModeNamesItemsByDisplayNameAndKeepsTheCursor) {
    const std::string name = UniqueName("SentrelTestSwp");
    TestService service(name, "Sentrel swapped service " + name, "");
    ASSERT_TRUE(service.Created());
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    const int index = Find(service.Name());
    ASSERT_GE(index, 0);
    Panel().SetCursor(index);
    // Mode 7 of the language file is "C2,C0,N".
    Panel().SetViewMode(7);
    EXPECT_EQ(Panel().ColumnTypes(), "N,C0,C2");
    const int swapped = Panel().Current();
    EXPECT_EQ(Panel().Name(swapped), service.DisplayName());
    EXPECT_EQ(Column(swapped, 2), service.Name());
    Panel().SetViewMode(3);
    EXPECT_EQ(Panel().Name(Panel().Current()), service.Name());
}

TEST_F(ListingTest, APanelKeepsTheRecordsItShowsWhenAnotherPanelRereads) {
    LoadLinked();
    namespace entry = ulvar::kit::entry;
    const ulvar::PanelHandle first = entry::OpenPlugin(ulvar::OpenFromPluginsMenu, 0);
    const ulvar::PanelHandle second = entry::OpenPlugin(ulvar::OpenFromPluginsMenu, 0);
    ASSERT_EQ(entry::SetDirectory(first, Msg(msg::ServicesFolder).c_str(), 0), 1);
    ASSERT_EQ(entry::SetDirectory(second, Msg(msg::ServicesFolder).c_str(), 0), 1);
    ulvar::PanelItem* firstItems = nullptr;
    int firstCount = 0;
    ASSERT_EQ(entry::GetFindData(first, &firstItems, &firstCount, 0), 1);
    const std::weak_ptr<ServiceList> before = Plugin()->Lib().cache.FindList("", false);
    ASSERT_FALSE(before.expired());

    // The second panel rereads: the list the first one shows leaves the cache.
    EXPECT_EQ(entry::ProcessKey(second, 'R', ulvar::KeyCtrl), 0);
    ulvar::PanelItem* secondItems = nullptr;
    int secondCount = 0;
    ASSERT_EQ(entry::GetFindData(second, &secondItems, &secondCount, 0), 1);
    EXPECT_TRUE(before.expired());
    ASSERT_GT(firstCount, 3);
    for (int i = 0; i < firstCount; ++i) {
        const ServiceNode* record = RecordOf(firstItems[i]);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(win32::OemFromAnsi(record->name), firstItems[i].Data.FileName);
        EXPECT_EQ(Plugin()->Lib().cache.FindList("", false)->FindRecord(record->name) == record,
                  false);
    }
    entry::FreeFindData(first, firstItems, firstCount);
    entry::FreeFindData(second, secondItems, secondCount);
    entry::ClosePlugin(first);
    entry::ClosePlugin(second);
}

TEST_F(ListingTest, ALongDescriptionIsReadWholeAndReportedOnContinuationLines) {
    std::string description;
    for (int i = 0; description.size() < 1500; ++i)
        description += "part" + std::to_string(i) + " ";
    description += "end.";
    const std::string name = UniqueName("SentrelTestLng");
    TestService service(name, "Sentrel long description " + name, description);
    ASSERT_TRUE(service.Created());
    LoadLinked();
    Open();
    Enter(msg::ServicesFolder);
    const int index = Find(service.Name());
    ASSERT_GE(index, 0);
    ASSERT_NE(Panel().Item(index).Description, nullptr);
    EXPECT_EQ(Panel().Item(index).Description, description);

    Panel().SetCursor(index);
    ASSERT_EQ(Panel().GetFiles(Folder(), false, ulvar::OpFind), 1);
    const std::string report =
        testsupport::ReadBytes(Folder() + "\\" + Panel().Item(index).Data.AlternateFileName);
    EXPECT_NE(report.find("end.\r\n"), std::string::npos);
    EXPECT_NE(report.find("part0 part1"), std::string::npos);
    EXPECT_GT(std::count(report.begin(), report.end(), '\n'), 25);
}

TEST_F(ListingTest, DescriptionsCanBeLeftOutAsOnSystemsWithoutThem) {
    const std::string name = UniqueName("SentrelTestNod");
    TestService service(name, "Sentrel undescribed " + name, "Not to be read.");
    ASSERT_TRUE(service.Created());
    PluginOptions options;
    options.withoutDescriptions = true;
    LoadLinked(options);
    Open();
    Enter(msg::ServicesFolder);
    const int index = Find(service.Name());
    ASSERT_GE(index, 0);
    EXPECT_EQ(Panel().Item(index).Description, nullptr);
    // The description variant of the view modes is not used, and Ctrl+F10 is labelled.
    EXPECT_EQ(Panel().Description().modes[4].columnTypes, "N,C0,C1");
    EXPECT_TRUE(Panel().Description().keyBar[1][9].has_value());
}

} // namespace sentrel::test
