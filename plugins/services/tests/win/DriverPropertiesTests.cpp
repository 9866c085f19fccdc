// The driver properties (F4 in the devices folder) against the drivers of the Wine prefix,
// written back, read back from the manager, and put back as they were.

#include "plugins/services/core/DriverConfig.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/DriverProperties.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/tests/win/PluginFixture.h"

#include <windows.h>

#include <cstring>
#include <functional>

namespace sentrel::test {

namespace {

using ulvar::DialogItem;
using ulvar::standin::DialogShown;

constexpr int F4 = 0x73;

struct DriverConfigRead {
    bool read = false;
    std::string displayName;
    unsigned long startType = 0, errorControl = 0;
};

DriverConfigRead ReadConfig(const std::string& name) {
    DriverConfigRead result;
    const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const win32::ServiceHandle service(
        OpenServiceA(manager.Get(), name.c_str(), SERVICE_QUERY_CONFIG));
    std::vector<unsigned char> buffer(8192);
    DWORD needed = 0;
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!service.Valid() ||
        !QueryServiceConfigA(service.Get(), config, static_cast<DWORD>(buffer.size()), &needed))
        return result;
    result.read = true;
    result.displayName = config->lpDisplayName ? config->lpDisplayName : "";
    result.startType = config->dwStartType;
    result.errorControl = config->dwErrorControl;
    return result;
}

// Holds a driver open while the test runs and puts its display name, start type and error
// control back when the test ends. Under Wine 8 a change to one of the prefix's own drivers lasts
// only while some handle of it is open (once the last one is closed the manager reads its stored
// configuration again), so the held handle is what lets the test read the change back.
class DriverRestorer {
public:
    explicit DriverRestorer(std::string name) : name_(std::move(name)), saved_(ReadConfig(name_)) {
        manager_ = win32::ServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
        service_ = win32::ServiceHandle(
            OpenServiceA(manager_.Get(), name_.c_str(), SERVICE_CHANGE_CONFIG));
    }
    ~DriverRestorer() {
        if (!saved_.read || !service_.Valid())
            return;
        ChangeServiceConfigA(service_.Get(), SERVICE_NO_CHANGE, saved_.startType,
                             saved_.errorControl, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, saved_.displayName.c_str());
    }
    DriverRestorer(const DriverRestorer&) = delete;
    DriverRestorer& operator=(const DriverRestorer&) = delete;

private:
    std::string name_;
    DriverConfigRead saved_;
    win32::ServiceHandle manager_, service_;
};

// A system-start driver of the test's own (never loaded: the prefix does not start again while the
// test runs), deleted when the test ends.
class TestDriver {
public:
    explicit TestDriver(std::string name) : name_(std::move(name)) {
        manager_ = win32::ServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
        service_ = win32::ServiceHandle(
            CreateServiceA(manager_.Get(), name_.c_str(), ("Sentrel test driver " + name_).c_str(),
                           SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER, SERVICE_SYSTEM_START,
                           SERVICE_ERROR_IGNORE, "C:\\windows\\system32\\drivers\\sentreltest.sys",
                           nullptr, nullptr, nullptr, nullptr, nullptr));
    }
    ~TestDriver() {
        if (service_.Valid())
            DeleteService(service_.Get());
    }
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;
    bool Created() const { return service_.Valid(); }
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    win32::ServiceHandle manager_, service_;
};

void SetText(DialogItem& item, const std::string& text) {
    std::strncpy(item.Data, text.c_str(), sizeof item.Data - 1);
    item.Data[sizeof item.Data - 1] = '\0';
}

// A kernel driver record with no driver file, as some of the system's drivers are.
ServiceNode DriverWithoutPath() {
    ServiceNode record;
    record.name = "nopath";
    record.config.serviceType = 1;
    record.config.startType = 3;
    record.config.errorControl = 1;
    record.config.displayName = "No path";
    record.config.account = "\\Driver\\nopath";
    return record;
}

class DriverPropertiesTest : public SentrelTest {
protected:
    void OpenDevices() {
        LoadLinked();
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::DevicesFolder)));
    }
    // The index of the first driver the condition holds for, or -1.
    int FindDriver(const std::function<bool(const ServiceNode&)>& wanted) {
        for (int i = 1; i < Panel().Count(); ++i)
            if (const ServiceNode* record = RecordOf(Panel().Item(i)); record && wanted(*record))
                return i;
        return -1;
    }
    const ServiceNode& RecordAt(int index) { return *RecordOf(Panel().Item(index)); }
    int PressF4() { return Host().PressKey(F4); }
    ServiceFolder& Devices() {
        return static_cast<ServiceFolder&>(Plugin()->Find(Panel().Handle())->Folder());
    }
};

} // namespace

TEST_F(DriverPropertiesTest, ChangesAreWrittenAndReadBack) {
    OpenDevices();
    const int index = FindDriver([](const ServiceNode& record) {
        return record.config.startType >= 2 && record.config.startType <= 4;
    });
    if (index < 0)
        GTEST_SKIP() << "no driver of the prefix starts automatically, manually or not at all";
    const ServiceNode before = RecordAt(index);
    DriverRestorer restorer(before.name);
    ASSERT_TRUE(ReadConfig(before.name).read);
    Panel().SetCursor(index);
    const std::string renamed = "Sentrel test " + before.name;
    const std::uint32_t newError = before.config.errorControl == 2 ? 3 : 2;
    const bool withPath = !before.config.binaryPath.empty();
    ui.QueueDialog(ulvar::standin::DialogAnswer{devdlg::Advanced, {}, {}});
    ui.QueueDialog([&](const DialogShown& shown, std::vector<DialogItem>& items) {
        EXPECT_EQ(shown.helpTopic, "DevAdvPropDlg");
        const AdvancedItems at(withPath);
        SetText(items[static_cast<std::size_t>(at.displayName)], renamed);
        for (std::uint32_t level = 0; level < 4; ++level)
            items[static_cast<std::size_t>(at.firstErrorControl) + level].Selected =
                level == newError;
        return at.ok;
    });
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>&) {
        EXPECT_EQ(shown.helpTopic, "DevPropDlg");
        return devdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_TRUE(ui.Messages().empty());

    const DriverConfigRead after = ReadConfig(before.name);
    EXPECT_EQ(after.displayName, renamed);
    EXPECT_EQ(after.errorControl, newError);
    EXPECT_EQ(after.startType, before.config.startType);
    const int shown = Find(before.name);
    ASSERT_GE(shown, 0);
    EXPECT_EQ(RecordAt(shown).config.displayName, renamed);
    EXPECT_EQ(RecordAt(shown).config.errorControl, newError);
    EXPECT_EQ(RecordAt(shown).state, before.state);
}

TEST_F(DriverPropertiesTest, ABootOrSystemDriverAsksBeforeItsStartTypeChanges) {
    // The prefix has no boot or system driver of its own.
    const TestDriver driver("SentrelTestDrv" + std::to_string(GetCurrentProcessId()) + "x" +
                            std::to_string(GetTickCount64() % 1000000));
    ASSERT_TRUE(driver.Created());
    OpenDevices();
    const int index = Find(driver.Name());
    ASSERT_GT(index, 0);
    const ServiceNode before = RecordAt(index);
    ASSERT_EQ(before.config.startType, 1u);
    DriverRestorer restorer(before.name);
    Panel().SetCursor(index);
    auto chooseManual = [](const DialogShown&, std::vector<DialogItem>& items) {
        for (int type = 0; type < 5; ++type)
            items[static_cast<std::size_t>(devdlg::FirstStart + type)].Selected = type == 3;
        return devdlg::Ok;
    };
    // Back to the dialog with the second button, then nothing changed with the first.
    ui.QueueDialog(chooseManual);
    ui.QueueMessage(1);
    ui.QueueDialog(chooseManual);
    ui.QueueMessage(0);
    EXPECT_EQ(PressF4(), 1);
    ASSERT_EQ(ui.Dialogs().size(), 2u);
    ASSERT_EQ(ui.Messages().size(), 2u);
    const auto& box = ui.Messages()[0].shown;
    EXPECT_EQ(box.lines[0], Msg(58));
    EXPECT_NE(box.flags & ulvar::MessageWarning, 0u);
    EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(63), Msg(61), Msg(62)}));
    EXPECT_EQ(ReadConfig(before.name).startType, before.config.startType);
}

TEST_F(DriverPropertiesTest, ADriverWithoutAPathGetsTheShortAdvancedDialog) {
    OpenDevices();
    const ServiceNode record = DriverWithoutPath();
    ui.QueueDialog(ulvar::standin::DialogAnswer{devdlg::Advanced, {}, {}});
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>& items) {
        EXPECT_EQ(shown.items.size(), 16u);
        SetText(items[static_cast<std::size_t>(AdvancedItems(false).loadOrderGroup)], "Extended");
        return AdvancedItems(false).ok;
    });
    ui.QueueDialog(ulvar::standin::DialogAnswer{devdlg::Ok, {}, {}});
    DriverChanges changes;
    EXPECT_EQ(EditDriverDialog(Devices(), record, changes), 1);
    ASSERT_EQ(ui.Dialogs().size(), 3u);
    const DialogShown& advanced = ui.Dialogs()[1].shown;
    EXPECT_EQ(advanced.y2, 16);
    for (const DialogItem& item : advanced.items)
        EXPECT_STRNE(item.Data, Msg(277).c_str());
    EXPECT_EQ(changes.loadOrderGroup, "Extended");
    EXPECT_FALSE(changes.binaryPath);
    EXPECT_EQ(changes.objectName, "\\Driver\\nopath");
    EXPECT_FALSE(changes.startType);
}

TEST_F(DriverPropertiesTest, CancellingChangesNothing) {
    OpenDevices();
    const int index = FindDriver([](const ServiceNode&) { return true; });
    ASSERT_GT(index, 0);
    const ServiceNode before = RecordAt(index);
    Panel().SetCursor(index);
    ui.QueueDialog(ulvar::standin::DialogAnswer{devdlg::Cancel, {}, {}});
    EXPECT_EQ(PressF4(), 1);
    const DriverConfigRead after = ReadConfig(before.name);
    EXPECT_EQ(after.displayName, before.config.displayName);
    EXPECT_EQ(after.errorControl, before.config.errorControl);
}

// The advanced dialog's dependency button opens the dependency editor over the computer's
// services; what is added there is among the changes OK gives.
TEST_F(DriverPropertiesTest, TheDependencyButtonEditsTheListTheChangesCarry) {
    OpenDevices();
    const ServiceNode record = DriverWithoutPath();
    ui.QueueDialog(ulvar::standin::DialogAnswer{devdlg::Advanced, {}, {}});
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>&) {
        return AdvancedItems(false).dependencies;
    });
    ui.QueueMenu(ulvar::standin::MenuAnswer{-1, 0}); // Ins on the empty list
    std::string added;
    ui.QueueMenu([&added](const ulvar::standin::MenuShown& menu) {
        // Groups first, then the records, each line beginning with the record's name.
        const std::string line = menu.items.empty() ? "" : menu.items.back().Text;
        added = line.substr(0, line.find(' '));
        return ulvar::standin::MenuAnswer{static_cast<int>(menu.items.size()) - 1, -1};
    });
    ui.QueueMenu(ulvar::standin::MenuAnswer{-1, -1}); // Escape leaves the editor
    ui.QueueDialog(
        [](const DialogShown&, std::vector<DialogItem>&) { return AdvancedItems(false).ok; });
    ui.QueueDialog(ulvar::standin::DialogAnswer{devdlg::Ok, {}, {}});
    DriverChanges changes;
    EXPECT_EQ(EditDriverDialog(Devices(), record, changes), 1);
    ASSERT_FALSE(added.empty());
    ASSERT_TRUE(changes.dependencies);
    EXPECT_EQ(*changes.dependencies, std::vector<std::string>{added});
    EXPECT_EQ(ui.PendingCount(), 0);
}

} // namespace sentrel::test
