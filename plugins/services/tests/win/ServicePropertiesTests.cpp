// The services properties editor through the stand-in host: the dialog loop with the advanced
// dialog and the dependency editor, the password check, and F4 on a service of the test's own
// written to and read back from the real service control manager.

#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/ServiceProperties.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"

#include <windows.h>

#include <cstring>

namespace sentrel::test {

namespace {

using ulvar::DialogItem;
using ulvar::standin::DialogShown;
using ulvar::standin::MenuAnswer;

std::string UniqueName(const char* what) {
    return std::string("SentrelProp") + what + std::to_string(GetCurrentProcessId()) + "x" +
           std::to_string(GetTickCount64() % 1000000);
}

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
        service_ = std::make_unique<TestService>(UniqueName("Svc"), "Sentrel properties test", "");
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
    std::unique_ptr<TestService> service_;
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

} // namespace sentrel::test
