// Creating services and editing descriptions through the stand-in host against the real service
// control manager of the Wine prefix, read back from the manager.

#include "plugins/services/core/Creation.h"
#include "plugins/services/core/Descriptions.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/tests/core/ScriptedAccountRights.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/ErrorText.h"
#include "plugins/services/win/ServiceManager.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace sentrel::test {

namespace {

using ulvar::DialogItem;
using ulvar::standin::DialogShown;

constexpr int F4 = 0x73;

// Deletes a service the plug-in created, when the test ends.
class CreatedService {
public:
    explicit CreatedService(std::string name) : name_(std::move(name)) {}
    ~CreatedService() {
        const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
        const win32::ServiceHandle service(OpenServiceA(manager.Get(), name_.c_str(), DELETE));
        if (service.Valid())
            DeleteService(service.Get());
    }
    CreatedService(const CreatedService&) = delete;
    CreatedService& operator=(const CreatedService&) = delete;

private:
    std::string name_;
};

void SetText(DialogItem& item, const std::string& text) {
    std::strncpy(item.Data, text.c_str(), sizeof item.Data - 1);
    item.Data[sizeof item.Data - 1] = '\0';
}

class CreationTest : public SentrelTest {
protected:
    void EnterServices() { ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder))); }
    void QueueCreate(const std::string& name, const std::string& display, const std::string& path,
                     int closing = create::Next) {
        ui.QueueDialog([=](const DialogShown&, std::vector<DialogItem>& items) {
            SetText(items[create::Name], name);
            SetText(items[create::DisplayName], display);
            SetText(items[create::Path], path);
            return closing;
        });
    }
    // The services properties editor the creation goes through, confirmed as it comes.
    void QueueProperties() {
        ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>&) {
            EXPECT_EQ(shown.helpTopic, "SvcPropDlg");
            return svcdlg::Ok;
        });
    }
    int ShiftF4() { return Host().PressKey(F4, ulvar::KeyShift); }
    const ServiceNode* RecordNamed(const std::string& name) {
        for (int i = 0; i < Panel().Count(); ++i)
            if (const ServiceNode* record = RecordOf(Panel().Item(i));
                record && record->name == name)
                return record;
        return nullptr;
    }
    // A program on drive C: for the services the plug-in creates.
    std::string Program() {
        if (!program_) {
            program_ = std::make_unique<TestService>(
                UniqueName("SentrelTestProg"), "Program of " + UniqueName("SentrelTestProg"), "");
            EXPECT_TRUE(program_->Created());
        }
        return program_->ProgramPath();
    }

private:
    std::unique_ptr<TestService> program_;
};

} // namespace

TEST_F(CreationTest, ANewServiceWithTheDefaultAccountIsCreatedAndListed) {
    LoadLinked();
    Open();
    EnterServices();
    const std::string name = UniqueName("SentrelTestNew");
    CreatedService guard(name);
    const std::string path = "\"" + Program() + "\" " + name;
    QueueCreate(name, "Created by the test", path);
    QueueProperties();
    EXPECT_EQ(ShiftF4(), 1);
    ASSERT_GE(ui.Dialogs().size(), 1u);
    EXPECT_EQ(ui.Dialogs()[0].shown.helpTopic, "CreateDlg");
    EXPECT_TRUE(ui.Messages().empty()) << ui.Messages()[0].shown.lines.at(1);

    const ReadBack back = ReadFromManager(name);
    ASSERT_TRUE(back.found);
    EXPECT_EQ(back.displayName, "Created by the test");
    EXPECT_EQ(back.binaryPath, path);
    EXPECT_EQ(back.serviceType, 0x10u);
    EXPECT_EQ(back.startType, 3u);
    EXPECT_EQ(back.errorControl, 1u);
    // No account given: the manager runs it as the local system.
    EXPECT_EQ(back.account, "LocalSystem");

    // In the panel at once, with the cursor on it.
    const int index = Find(name);
    ASSERT_GE(index, 0);
    EXPECT_EQ(Panel().Current(), index);
    const ServiceNode* record = RecordNamed(name);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->state, static_cast<std::uint32_t>(SERVICE_STOPPED));
    EXPECT_EQ(record->config.displayName, "Created by the test");
}

// The properties editor of the creation names the account; the manager gets it in its stored
// form, with the password.
TEST_F(CreationTest, ANewServiceWithANamedAccountIsCreatedWithIt) {
    LoadLinked();
    Open();
    EnterServices();
    AccountRightsScript rights;
    Plugin()->Lib().accountRights = [&rights] {
        return std::make_unique<ScriptedAccountRights>(rights);
    };
    const std::string name = UniqueName("SentrelTestAcct");
    CreatedService guard(name);
    const std::string path = "\"" + Program() + "\" " + name;
    QueueCreate(name, "Runs as a user", path);
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>& items) {
        EXPECT_EQ(shown.helpTopic, "SvcPropDlg");
        EXPECT_STREQ(items[2].Data, "Runs as a user");
        items[svcdlg::FirstStart + 1].Selected = 0;
        items[svcdlg::FirstStart + 2].Selected = 1;
        items[svcdlg::LocalSystem].Selected = 0;
        items[svcdlg::OtherAccount].Selected = 1;
        SetText(items[svcdlg::Account], "sentreluser");
        SetText(items[svcdlg::Password], "secret");
        SetText(items[svcdlg::Confirmed], "secret");
        return svcdlg::Ok;
    });
    EXPECT_EQ(ShiftF4(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    const ReadBack back = ReadFromManager(name);
    ASSERT_TRUE(back.found);
    EXPECT_EQ(back.account, ".\\sentreluser");
    EXPECT_EQ(back.startType, 4u);
    EXPECT_EQ(back.serviceType, 0x10u);
    EXPECT_EQ(back.errorControl, 1u);
    EXPECT_EQ(back.binaryPath, path);
    const ServiceNode* record = RecordNamed(name);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->config.account, ".\\sentreluser");
    // The new service's account got the logon right.
    EXPECT_NE(std::find(rights.calls.begin(), rights.calls.end(), "Lookup  sentreluser"),
              rights.calls.end());
}

// The item under the cursor before the creation is not left selected (the next key would act on
// it); a selection the user made stays.
TEST_F(CreationTest, TheSelectionIsWhatTheUserMade) {
    LoadLinked();
    Open();
    EnterServices();
    ASSERT_GE(Panel().Count(), 4);
    for (const bool selectOne : {false, true}) {
        SCOPED_TRACE(selectOne ? "one selected" : "nothing selected");
        Panel().SetCursor(2);
        Panel().Select(3, selectOne);
        const std::string selectedName = Panel().Item(3).Data.FileName;
        const std::string name = UniqueName(selectOne ? "SentrelTestSel" : "SentrelTestCur");
        CreatedService guard(name);
        QueueCreate(name, "Selection " + name, "C:\\windows\\notepad.exe");
        QueueProperties();
        ASSERT_EQ(ShiftF4(), 1);
        ASSERT_EQ(Panel().Current(), Find(name));
        std::vector<std::string> selected;
        for (int index = 0; index < Panel().Count(); ++index)
            if (Panel().IsSelected(index))
                selected.push_back(Panel().Item(index).Data.FileName);
        EXPECT_EQ(selected,
                  selectOne ? std::vector<std::string>{selectedName} : std::vector<std::string>{});
        Panel().Select(Find(selectedName), false);
    }
}

TEST_F(CreationTest, ANameThatWouldNotStayAFileNameIsRefusedAndOfferedAgain) {
    LoadLinked();
    Open();
    EnterServices();
    const std::string name = "Sentrel:" + UniqueName("SentrelTestBad");
    CreatedService guard(name);
    QueueCreate(name, "Bad name", "C:\\windows\\notepad.exe");
    ui.QueueMessage(0); // retry
    std::string shownAgain;
    ui.QueueDialog([&](const DialogShown& shown, std::vector<DialogItem>&) {
        shownAgain = shown.items[create::Name].Data;
        return create::Cancel;
    });
    EXPECT_EQ(ShiftF4(), 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& box = ui.Messages()[0].shown;
    ASSERT_GE(box.lines.size(), 3u); // the title, the text, the system's reason
    EXPECT_EQ(box.lines[0], Msg(msg::Error));
    std::string text;
    for (std::size_t i = 1; i < box.lines.size(); ++i)
        text += box.lines[i] + " ";
    EXPECT_NE(text.find(name), std::string::npos) << text;
    EXPECT_NE(text.find(Msg(111).substr(0, 10)), std::string::npos) << text;
    EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(msg::Retry), Msg(msg::Cancel)}));
    EXPECT_EQ(shownAgain, name);
    EXPECT_EQ(ui.Dialogs().size(), 2u);
    EXPECT_FALSE(ReadFromManager(name).found);
    EXPECT_LT(Find(name), 0);
}

TEST_F(CreationTest, AFailedCreationShowsTheErrorWithRetry) {
    LoadLinked();
    Open();
    EnterServices();
    TestService existing(UniqueName("SentrelTestDup"), "Existing", "");
    ASSERT_TRUE(existing.Created());
    QueueCreate(existing.Name(), "Second", "C:\\windows\\notepad.exe");
    QueueProperties();
    ui.QueueMessage(0); // retry: the dialog again, with the texts as left
    ui.QueueDialog([](const DialogShown& shown, std::vector<DialogItem>&) {
        EXPECT_STREQ(shown.items[create::DisplayName].Data, "Second");
        return create::Next;
    });
    QueueProperties();
    ui.QueueMessage(1); // give up
    EXPECT_EQ(ShiftF4(), 1);
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].shown.lines[0], Msg(msg::Error));
    // The reason shown is the failed creation's code.
    EXPECT_EQ(ui.Messages()[0].shown.lines.back(), win::ErrorText(ERROR_SERVICE_EXISTS));
    EXPECT_EQ(ReadFromManager(existing.Name()).displayName, "Existing");
}

TEST_F(CreationTest, CreatingWhereTheListCouldNotBeReadIsSafe) {
    // The other computer's manager opens for creating, but its list cannot be read.
    PluginOptions options;
    options.opener = [](const std::string& computer, std::uint32_t access, std::uint32_t& error) {
        if (computer == "FARHOST" && access == 0x5) {
            error = ERROR_ACCESS_DENIED;
            return win32::ServiceHandle();
        }
        return win::SystemManagerOpener()("", access, error);
    };
    LoadLinked(options);
    Open();
    EnterServices();
    ui.QueueMessage(1); // the list of FARHOST: give up
    ui.QueueDialog(ulvar::standin::DialogAnswer{2, {{2, "FARHOST"}}, {}});
    ASSERT_EQ(Host().PressKey(0x75), 1); // F6
    ASSERT_EQ(Plugin()->Lib().cache.FindList("FARHOST", false), nullptr);

    const std::string name = UniqueName("SentrelTestFar");
    CreatedService guard(name);
    QueueCreate(name, "Far service", "\"" + Program() + "\" " + name);
    QueueProperties();
    EXPECT_EQ(ShiftF4(), 1);
    EXPECT_TRUE(ReadFromManager(name).found);
    // The panel listed afterwards tries the computer's list again, and fails again.
    ASSERT_EQ(ui.Messages().size(), 2u);
    for (const auto& message : ui.Messages())
        EXPECT_NE(message.shown.lines.at(1).find("FARHOST"), std::string::npos)
            << message.shown.lines.at(1);
    EXPECT_EQ(Plugin()->Lib().cache.FindList("FARHOST", false), nullptr);
}

TEST_F(CreationTest, ShiftF4InTheDevicesFolderIsTheHosts) {
    LoadLinked();
    Open();
    ASSERT_TRUE(Host().EnterFolder(Msg(msg::DevicesFolder)));
    EXPECT_EQ(ShiftF4(), 0);
    EXPECT_TRUE(ui.Dialogs().empty());
}

// ----------------------------------------------------------------------------------------------
// Descriptions.

class DescriptionTest : public CreationTest {
protected:
    int CtrlZ() { return Host().PressKey('Z', ulvar::KeyCtrl); }
    void SelectOnly(const std::vector<std::string>& names) {
        for (int i = 0; i < Panel().Count(); ++i)
            Panel().Select(i, false);
        for (const std::string& name : names) {
            const int index = Find(name);
            ASSERT_GE(index, 0) << name;
            Panel().Select(index, true);
        }
    }
};

TEST_F(DescriptionTest, FiveSelectedWithEscapeAtTheThird) {
    std::vector<std::unique_ptr<TestService>> services;
    std::vector<std::string> names;
    const std::string base = UniqueName("SentrelTestDz");
    for (int i = 0; i < 5; ++i) {
        names.push_back(base + "n" + std::to_string(i));
        services.push_back(std::make_unique<TestService>(names.back(), "Described " + names.back(),
                                                         "old " + names.back()));
        ASSERT_TRUE(services.back()->Created());
    }
    LoadLinked();
    Open();
    EnterServices();
    SelectOnly(names);
    std::vector<std::string> shown;
    // The first changed, the second confirmed as it was, Escape at the third.
    ui.QueueDialog([&](const DialogShown& dialog, std::vector<DialogItem>& items) {
        EXPECT_EQ(dialog.helpTopic, ":DescrDlg");
        shown.push_back(items[descr::Edit].Data);
        SetText(items[descr::Edit], std::string("new ") + items[descr::Edit].Data);
        return descr::Edit;
    });
    ui.QueueDialog([&](const DialogShown&, std::vector<DialogItem>& items) {
        shown.push_back(items[descr::Edit].Data);
        return descr::Edit;
    });
    ui.QueueDialog([&](const DialogShown&, std::vector<DialogItem>& items) {
        shown.push_back(items[descr::Edit].Data);
        return -1;
    });
    EXPECT_EQ(CtrlZ(), 1);
    ASSERT_EQ(ui.Dialogs().size(), 3u);
    EXPECT_EQ(ui.PendingCount(), 0);
    ASSERT_EQ(shown.size(), 3u);
    int changed = 0;
    for (const std::string& name : names) {
        const std::string now = ReadFromManager(name).description;
        if (now == "new " + shown[0]) {
            ++changed;
            EXPECT_EQ(shown[0], "old " + name);
            const ServiceNode* record = RecordNamed(name);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->description, now);
        } else {
            EXPECT_EQ(now, "old " + name);
        }
    }
    EXPECT_EQ(changed, 1);
}

TEST_F(DescriptionTest, ALongDescriptionIsNotCutWhenConfirmedAndWrittenWholeWhenEdited) {
    std::string description;
    for (int i = 0; description.size() < 700; ++i)
        description += "word" + std::to_string(i) + " ";
    TestService service(UniqueName("SentrelTestLong"), "Long description", description);
    ASSERT_TRUE(service.Created());
    ASSERT_EQ(ReadFromManager(service.Name()).description, description);
    LoadLinked();
    Open();
    EnterServices();
    SelectOnly({service.Name()});

    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>&) { return descr::Edit; });
    EXPECT_EQ(CtrlZ(), 1);
    EXPECT_EQ(ReadFromManager(service.Name()).description, description);
    EXPECT_TRUE(ui.Messages().empty());

    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        items[descr::Edit].Data[0] = 'W';
        return descr::Edit;
    });
    EXPECT_EQ(CtrlZ(), 1);
    const std::string edited = "W" + description.substr(1);
    EXPECT_EQ(ReadFromManager(service.Name()).description, edited);
    const ServiceNode* record = RecordNamed(service.Name());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->description, edited);
}

TEST_F(DescriptionTest, WithoutTheSystemsFunctionTheKeyIsTheHosts) {
    PluginOptions options;
    options.withoutDescriptions = true;
    LoadLinked(options);
    Open();
    EnterServices();
    EXPECT_EQ(CtrlZ(), 0);
    EXPECT_TRUE(ui.Dialogs().empty());
}

TEST_F(CreationTest, CopyingItemsToAnotherPanelIsRefusedAndWritesNothing) {
    LoadLinked();
    Open();
    EnterServices();
    const std::string target = Folder() + "\\copies";
    std::filesystem::create_directory(target);
    Host().GetPanels().PassiveFiles().folder = target;
    ASSERT_GT(Panel().Count(), 1);
    Panel().SetCursor(1);
    for (const bool move : {false, true})
        EXPECT_EQ(Host().CopyToPassive(move), 0) << move;
    EXPECT_TRUE(std::filesystem::is_empty(target));
    EXPECT_GT(Panel().Count(), 1);
}

} // namespace sentrel::test
