// The services properties editor through the stand-in host: the dialog loop with the advanced
// dialog and the dependency editor, the password check, and F4 on a service of the test's own
// written to and read back from the real service control manager.

#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/ServiceProperties.h"
#include "plugins/services/tests/core/ScriptedAccountRights.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace sentrel::test {

namespace {

using ulvar::DialogItem;
using ulvar::standin::DialogShown;
using ulvar::standin::MenuAnswer;

void SetText(DialogItem& item, const std::string& text) {
    std::strncpy(item.Data, text.c_str(), sizeof item.Data - 1);
    item.Data[sizeof item.Data - 1] = '\0';
}

void ChooseAccount(std::vector<DialogItem>& items, const std::string& name,
                   const std::string& password, const std::string& confirmed) {
    items[svcdlg::LocalSystem].Selected = 0;
    items[svcdlg::OtherAccount].Selected = 1;
    SetText(items[svcdlg::Account], name);
    SetText(items[svcdlg::Password], password);
    SetText(items[svcdlg::Confirmed], confirmed);
}

class ServicePropertiesTest : public SentrelTest {
protected:
    void SetUp() override {
        service_ = std::make_unique<TestService>(UniqueName("SentrelPropSvc"),
                                                 "Sentrel properties test", "");
        ASSERT_TRUE(service_->Created());
        LoadLinked();
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
    }
    ServiceFolder& Services() {
        return static_cast<ServiceFolder&>(Plugin()->Find(Panel().Handle())->Folder());
    }
    const ServiceNode& Record() {
        const int index = Find(service_->Name());
        EXPECT_GT(index, 0);
        return *RecordOf(Panel().Item(index));
    }
    std::vector<std::string> Topics() const {
        std::vector<std::string> topics;
        for (const auto& call : ui.Dialogs())
            topics.push_back(call.shown.helpTopic);
        return topics;
    }
    int PressF4() {
        const int index = Find(service_->Name());
        EXPECT_GT(index, 0);
        Panel().SetCursor(index);
        return Host().PressKey(0x73);
    }
    // Records the account and password each configuration change gives the system, which still
    // gets the call.
    void RecordChanges() {
        Plugin()->Lib().changeConfig = [this](SC_HANDLE handle, DWORD type, DWORD start,
                                              DWORD error, LPCSTR path, LPCSTR group, LPDWORD tag,
                                              LPCSTR dependencies, LPCSTR account, LPCSTR password,
                                              LPCSTR displayName) {
            ++changes;
            givenAccount = account ? std::optional<std::string>(account) : std::nullopt;
            givenPassword = password ? std::optional<std::string>(password) : std::nullopt;
            givenDependencies.reset();
            if (dependencies) {
                const char* end = dependencies;
                while (*end || end[1])
                    ++end;
                givenDependencies = std::string(dependencies, end + 2);
            }
            givenType = type;
            return ChangeServiceConfigA(handle, type, start, error, path, group, tag, dependencies,
                                        account, password, displayName);
        };
    }
    static std::string ComputerName() {
        char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
        DWORD size = sizeof name;
        GetComputerNameA(name, &size);
        return name;
    }
    std::unique_ptr<TestService> service_;
    int changes = 0;
    std::optional<std::string> givenAccount, givenPassword, givenDependencies;
    DWORD givenType = 0;
};

} // namespace

// The advanced dialog's dependency button edits a working copy and shows the advanced dialog
// again with what was typed so far; its OK takes both, the main dialog's OK returns them.
TEST_F(ServicePropertiesTest, TheAdvancedDialogAndTheDependencyEditorFeedTheEditRecord) {
    ServiceConfigEdit edit = EditRecordFrom(Record());
    edit.dependencies = edit.dependenciesAsRead = {"First", "Last"};
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Advanced, {}, {}});
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        for (int level = 0; level < 4; ++level)
            items[static_cast<std::size_t>(svcadv::FirstErrorControl + level)].Selected =
                level == 2;
        return svcadv::Dependencies;
    });
    ui.QueueMenu(MenuAnswer{0, 2});   // Ctrl+Up on the top entry: nothing
    ui.QueueMenu(MenuAnswer{0, 1});   // Del on the first entry
    ui.QueueMenu(MenuAnswer{-1, -1}); // Escape
    int shownLevel = -1;
    ui.QueueDialog([&shownLevel](const DialogShown&, std::vector<DialogItem>& items) {
        for (int level = 0; level < 4; ++level)
            if (items[static_cast<std::size_t>(svcadv::FirstErrorControl + level)].Selected)
                shownLevel = level;
        return svcadv::Ok;
    });
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Ok, {}, {}});
    EXPECT_EQ(EditServiceDialog(Services(), edit), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_EQ(Topics(), (std::vector<std::string>{"SvcPropDlg", "SvcAdvPropDlg", "SvcAdvPropDlg",
                                                  "SvcPropDlg"}));
    EXPECT_EQ(shownLevel, 2);
    EXPECT_EQ(edit.errorControl, 2);
    EXPECT_EQ(edit.dependencies, (std::vector<std::string>{"Last"}));
    EXPECT_TRUE(edit.changedDependencies);
    EXPECT_EQ(edit.startType, NoChange);
    EXPECT_FALSE(edit.changedAccount);
}

TEST_F(ServicePropertiesTest, TheAdvancedDialogsCancelDiscardsItsChanges) {
    ServiceConfigEdit edit = EditRecordFrom(Record());
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Advanced, {}, {}});
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        SetText(items[svcadv::DisplayName], "Renamed");
        items[svcadv::Own].Selected = 0;
        items[svcadv::Shared].Selected = 1;
        return svcadv::Cancel;
    });
    std::size_t itemsShown = 0;
    ui.QueueDialog([&itemsShown](const DialogShown& shown, std::vector<DialogItem>&) {
        itemsShown = shown.items.size();
        return svcdlg::Ok;
    });
    EXPECT_EQ(EditServiceDialog(Services(), edit), 1);
    EXPECT_EQ(itemsShown, 19u);
    EXPECT_FALSE(edit.AnyChange());
    EXPECT_EQ(edit.displayName, "Sentrel properties test");
}

// Shared process in the advanced dialog: the main dialog loses its account part and the account
// becomes the local system.
TEST_F(ServicePropertiesTest, SharedProcessShowsTheShortDialogAndChoosesTheLocalSystem) {
    ServiceConfigEdit edit = EditRecordFrom(Record());
    edit.account = ".\\someone";
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Advanced, {}, {}});
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        items[svcadv::Own].Selected = 0;
        items[svcadv::Shared].Selected = 1;
        return svcadv::Ok;
    });
    std::size_t itemsShown = 0;
    int height = 0;
    ui.QueueDialog([&](const DialogShown& shown, std::vector<DialogItem>&) {
        itemsShown = shown.items.size();
        height = shown.y2;
        return svcdlg::Ok;
    });
    EXPECT_EQ(EditServiceDialog(Services(), edit), 1);
    EXPECT_EQ(itemsShown, 13u);
    EXPECT_EQ(height, 16);
    EXPECT_EQ(edit.serviceType, 0x20);
    EXPECT_TRUE(edit.changedAccount);
    EXPECT_EQ(edit.account, "LocalSystem");
}

TEST_F(ServicePropertiesTest, MismatchedPasswordsAreRefusedAndTheDialogComesBack) {
    ServiceConfigEdit edit = EditRecordFrom(Record());
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        ChooseAccount(items, "bob", "one", "two");
        return svcdlg::Ok;
    });
    ui.QueueMessage(0);
    std::string shownAgain;
    ui.QueueDialog([&shownAgain](const DialogShown&, std::vector<DialogItem>& items) {
        shownAgain = items[svcdlg::Account].Data;
        return svcdlg::Cancel;
    });
    EXPECT_EQ(EditServiceDialog(Services(), edit), 0);
    EXPECT_EQ(ui.PendingCount(), 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& box = ui.Messages()[0].shown;
    EXPECT_EQ(box.lines, (std::vector<std::string>{Msg(59), Msg(137)}));
    EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(60)}));
    EXPECT_NE(box.flags & ulvar::MessageWarning, 0u);
    EXPECT_EQ(shownAgain, "bob");
}

// F4: the start type from the main dialog, the display name and error control from the advanced
// one, written and read back from the manager; the panel shows the record read back.
TEST_F(ServicePropertiesTest, F4WritesTheStartTypeErrorControlAndDisplayName) {
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>& items) {
        EXPECT_EQ(shown.helpTopic, "SvcPropDlg");
        for (int index = 0; index < 3; ++index)
            items[static_cast<std::size_t>(svcdlg::FirstStart + index)].Selected = index == 2;
        return svcdlg::Advanced;
    });
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        SetText(items[svcadv::DisplayName], "Sentrel properties renamed");
        for (int level = 0; level < 4; ++level)
            items[static_cast<std::size_t>(svcadv::FirstErrorControl + level)].Selected =
                level == 3;
        return svcadv::Ok;
    });
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Ok, {}, {}});
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_TRUE(ui.Messages().empty()) << ui.Messages()[0].shown.lines.at(1);
    const ReadBack back = ReadFromManager(service_->Name());
    ASSERT_TRUE(back.found);
    EXPECT_EQ(back.startType, 4u);
    EXPECT_EQ(back.errorControl, 3u);
    EXPECT_EQ(back.displayName, "Sentrel properties renamed");
    EXPECT_EQ(back.serviceType, 0x10u);
    EXPECT_EQ(back.account, "LocalSystem");
    EXPECT_EQ(Panel().Current(), Find(service_->Name()));
    EXPECT_EQ(Record().config.displayName, "Sentrel properties renamed");
    EXPECT_EQ(Record().config.startType, 4u);
}

// Accounts typed without a domain and with the computer's name as domain are stored as ".\name";
// the fourteen asterisks then keep the password (none is given to the system); changing one
// password field only is refused and writes nothing.
TEST_F(ServicePropertiesTest, F4WritesAccountsInTheirStoredFormAndKeepsThePassword) {
    RecordChanges();
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        ChooseAccount(items, "sentrelone", "first", "first");
        return svcdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ReadFromManager(service_->Name()).account, ".\\sentrelone");
    EXPECT_EQ(givenAccount, ".\\sentrelone");
    EXPECT_EQ(givenPassword, "first");

    const std::string computer = ComputerName();
    ASSERT_FALSE(computer.empty());
    std::string shownAccount, shownPassword;
    ui.QueueDialog([&](const DialogShown&, std::vector<DialogItem>& items) {
        shownAccount = items[svcdlg::Account].Data;
        shownPassword = items[svcdlg::Password].Data;
        ChooseAccount(items, computer + "\\sentreltwo", KeptPassword, KeptPassword);
        return svcdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(shownAccount, "sentrelone");
    EXPECT_EQ(shownPassword, KeptPassword);
    EXPECT_EQ(ReadFromManager(service_->Name()).account, ".\\sentreltwo");
    EXPECT_EQ(givenAccount, ".\\sentreltwo");
    EXPECT_EQ(givenPassword, std::nullopt);

    // The stored form typed again is no change of the account.
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        for (int index = 0; index < 3; ++index)
            items[static_cast<std::size_t>(svcdlg::FirstStart + index)].Selected = index == 0;
        SetText(items[svcdlg::Account], ".\\sentreltwo");
        return svcdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ReadFromManager(service_->Name()).startType, 2u);
    EXPECT_EQ(givenAccount, std::nullopt);
    EXPECT_EQ(givenPassword, std::nullopt);

    const int before = changes;
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        ChooseAccount(items, "sentrelthree", "changed", KeptPassword);
        return svcdlg::Ok;
    });
    ui.QueueMessage(0);
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Cancel, {}, {}});
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_EQ(changes, before);
    EXPECT_EQ(ui.Messages().back().shown.lines.at(1), Msg(137));
    EXPECT_EQ(ReadFromManager(service_->Name()).account, ".\\sentreltwo");
}

// The dependency button of the advanced dialog: a service of the computer added and given to the
// manager; shared process chosen there makes the service run as the local system.
TEST_F(ServicePropertiesTest, F4WritesDependenciesAndSharedProcessAsTheLocalSystem) {
    RecordChanges();
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        ChooseAccount(items, "sentreluser", "pw", "pw");
        return svcdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    ASSERT_EQ(ReadFromManager(service_->Name()).account, ".\\sentreluser");

    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Advanced, {}, {}});
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcadv::Dependencies, {}, {}});
    ui.QueueMenu(MenuAnswer{-1, 0}); // Ins on the empty list
    ui.QueueMenu([](const ulvar::standin::MenuShown& menu) {
        for (std::size_t i = 0; i < menu.items.size(); ++i)
            if (std::string(menu.items[i].Text).rfind("PlugPlay ", 0) == 0)
                return MenuAnswer{static_cast<int>(i), -1};
        return MenuAnswer{-1, -1};
    });
    ui.QueueMenu(MenuAnswer{-1, -1}); // Escape
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcadv::Ok, {}, {}});
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Ok, {}, {}});
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    using namespace std::string_literals;
    EXPECT_EQ(givenDependencies, "PlugPlay\0\0"s);
    // Wine 8's manager takes the call but keeps the dependencies it had (none here); the panel
    // shows what the manager reports.
    EXPECT_EQ(Record().config.dependencies, ReadFromManager(service_->Name()).dependencies);
    EXPECT_EQ(Record().config.account, ".\\sentreluser");

    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Advanced, {}, {}});
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        items[svcadv::Own].Selected = 0;
        items[svcadv::Shared].Selected = 1;
        return svcadv::Ok;
    });
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>&) {
        EXPECT_EQ(shown.items.size(), 13u);
        return svcdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_EQ(givenType, 0x20u);
    EXPECT_EQ(givenAccount, "LocalSystem");
    EXPECT_EQ(givenDependencies, std::nullopt);
    const ReadBack back = ReadFromManager(service_->Name());
    EXPECT_EQ(back.serviceType, 0x20u);
    EXPECT_EQ(back.account, "LocalSystem");
}

TEST_F(ServicePropertiesTest, CancelWritesNothing) {
    RecordChanges();
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        for (int index = 0; index < 3; ++index)
            items[static_cast<std::size_t>(svcdlg::FirstStart + index)].Selected = index == 2;
        ChooseAccount(items, "sentreluser", "pw", "pw");
        return svcdlg::Cancel;
    });
    EXPECT_EQ(PressF4(), 1);
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Ok, {}, {}});
    EXPECT_EQ(PressF4(), 1); // confirmed unchanged: nothing written either
    EXPECT_EQ(changes, 0);
    const ReadBack back = ReadFromManager(service_->Name());
    EXPECT_EQ(back.startType, 3u);
    EXPECT_EQ(back.account, "LocalSystem");
}

// Confirming the dialog unchanged writes nothing but still grants the logon right the account
// lacks, and says so.
TEST_F(ServicePropertiesTest, ConfirmingUnchangedGrantsAMissingLogonRight) {
    RecordChanges();
    AccountRightsScript rights;
    rights.held = {u"SeServiceLogonRight"};
    Plugin()->Lib().accountRights = [&rights] {
        return std::make_unique<ScriptedAccountRights>(rights);
    };
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        ChooseAccount(items, "sentrelone", "pw", "pw");
        return svcdlg::Ok;
    });
    EXPECT_EQ(PressF4(), 1);
    ASSERT_EQ(changes, 1);
    EXPECT_TRUE(ui.Messages().empty());

    rights.held.clear();
    rights.calls.clear();
    ui.QueueDialog(ulvar::standin::DialogAnswer{svcdlg::Ok, {}, {}});
    ui.QueueMessage(0);
    EXPECT_EQ(PressF4(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(std::find(rights.calls.begin(), rights.calls.end(), "Lookup  sentrelone"),
              rights.calls.end());
    EXPECT_NE(std::find_if(rights.calls.begin(), rights.calls.end(),
                           [](const std::string& call) {
                               return call.rfind("AddRight ", 0) == 0 &&
                                      call.find("SeServiceLogonRight") != std::string::npos;
                           }),
              rights.calls.end());
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& box = ui.Messages()[0].shown;
    EXPECT_EQ(box.lines.at(0), Msg(5));
    EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(60)}));
}

} // namespace sentrel::test
