#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/tests/core/ServiceFixtures.h"
#include "plugins/services/tests/core/TestText.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

std::string Msg(int number) {
    return "m" + std::to_string(number);
}

// A code page pair that lacks the characters 0x80 to 0xBF of the ANSI page: they become "?".
class LossyText : public TestText {
public:
    std::string OemFromAnsi(std::string_view ansi) const override {
        std::string oem = TestText::OemFromAnsi(ansi);
        for (std::size_t i = 0; i < ansi.size(); ++i) {
            const auto c = static_cast<unsigned char>(ansi[i]);
            if (c >= 0x80 && c <= 0xBF)
                oem[i] = '?';
        }
        return oem;
    }
};

ServiceConfigEdit Stored(const std::string& account = "LocalSystem", std::uint32_t type = 0x10) {
    ServicePtr record = MakeService("Svc", StateStopped, 3, "Service", account);
    record->config.serviceType = type;
    record->config.binaryPath = "C:\\svc.exe";
    record->config.loadOrderGroup = "Group";
    record->config.dependencies = {"Dep", "+Grp"};
    return EditRecordFrom(*record);
}

void SetData(ulvar::DialogItem& item, const std::string& text) {
    ulvar::kit::CopyText(item.Data, text);
}

} // namespace

TEST(ServiceDialog, TheMainDialogShowsTheStoredValues) {
    const ServiceConfigEdit local = Stored();
    DialogLayout dialog = ServiceDialog("Service", MainValuesOf(local, Text()), false, Msg);
    ASSERT_EQ(dialog.items.size(), 19u);
    EXPECT_EQ(dialog.height, 21);
    EXPECT_EQ(dialog.items[0].Y2, 19);
    EXPECT_EQ(dialog.items[svcdlg::FirstStart + 1].Selected, 1);
    EXPECT_EQ(dialog.items[svcdlg::FirstStart + 1].Focus, 1);
    EXPECT_EQ(dialog.items[svcdlg::Ok].Focus, 0);
    EXPECT_EQ(std::string(dialog.items[svcdlg::Ok].Data), "[m246]");
    EXPECT_NE(dialog.items[svcdlg::Ok].Flags & ulvar::DialogNoBrackets, 0u);
    EXPECT_EQ(dialog.items[svcdlg::LocalSystem].Selected, 1);
    EXPECT_EQ(dialog.items[svcdlg::OtherAccount].Selected, 0);
    EXPECT_EQ(std::string(dialog.items[svcdlg::Account].Data), "");
    EXPECT_EQ(std::string(dialog.items[svcdlg::Password].Data), "");
    EXPECT_EQ(dialog.items[svcdlg::Password].Type, ulvar::DialogPasswordEdit);
    EXPECT_EQ(dialog.items[svcdlg::Confirmed].Type, ulvar::DialogPasswordEdit);

    const ServiceConfigEdit user = Stored(".\\user", 0x110);
    dialog = ServiceDialog("Service", MainValuesOf(user, Text()), false, Msg);
    EXPECT_EQ(dialog.items[svcdlg::Interactive].Selected, 1);
    EXPECT_EQ(dialog.items[svcdlg::OtherAccount].Selected, 1);
    EXPECT_EQ(std::string(dialog.items[svcdlg::Account].Data), "user");
    EXPECT_EQ(std::string(dialog.items[svcdlg::Password].Data), KeptPassword);
    EXPECT_EQ(std::string(dialog.items[svcdlg::Confirmed].Data), KeptPassword);

    ServiceMainValues unknownStart = MainValuesOf(local, Text());
    unknownStart.startType = 1;
    dialog = ServiceDialog("Service", unknownStart, false, Msg);
    EXPECT_EQ(dialog.items[svcdlg::Ok].Focus, 1);
    EXPECT_EQ(MainValuesFromDialog(dialog.items, unknownStart).startType, NoChange);
}

TEST(ServiceDialog, ASharedProcessShowsNoAccountFieldsAndIsFiveRowsShorter) {
    const DialogLayout dialog = ServiceDialog("Service", ServiceMainValues{}, true, Msg);
    ASSERT_EQ(dialog.items.size(), 13u);
    EXPECT_EQ(dialog.height, 16);
    EXPECT_EQ(dialog.items[0].Y2, 14);
    EXPECT_EQ(dialog.items[10].Y2, 13);
}

TEST(ServiceDialog, WidthFollowsTheTextsAndTheNameIsShortenedToFit) {
    const DialogLayout narrow = ServiceDialog("Service", ServiceMainValues{}, false, Msg);
    EXPECT_EQ(narrow.items[0].X2, 54);
    EXPECT_EQ(narrow.width, 58);
    const MessageFn longCheck = [](int number) {
        return number == 241 ? std::string(50, 'c') : Msg(number);
    };
    const DialogLayout wide =
        ServiceDialog(std::string(100, 'n'), ServiceMainValues{}, false, longCheck);
    const int right = wide.items[0].X2;
    EXPECT_GE(right, 9 + 4 + 50);
    EXPECT_LE(right, 76);
    const std::string shown = wide.items[2].Data;
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LT(wide.items[2].X1 + static_cast<int>(shown.size()), right);
    EXPECT_EQ(wide.items[svcdlg::Account].X2, right - 4);
}

TEST(ServiceDialog, TheMainDialogsItemsAreReadBack) {
    const ServiceConfigEdit stored = Stored();
    DialogLayout dialog = ServiceDialog("Service", MainValuesOf(stored, Text()), false, Msg);
    dialog.items[svcdlg::FirstStart + 1].Selected = 0;
    dialog.items[svcdlg::FirstStart + 2].Selected = 1;
    dialog.items[svcdlg::Interactive].Selected = 1;
    dialog.items[svcdlg::LocalSystem].Selected = 0;
    dialog.items[svcdlg::OtherAccount].Selected = 1;
    SetData(dialog.items[svcdlg::Account], "bob");
    SetData(dialog.items[svcdlg::Password], "a");
    SetData(dialog.items[svcdlg::Confirmed], "b");
    const ServiceMainValues values = MainValuesFromDialog(dialog.items, ServiceMainValues{});
    EXPECT_EQ(values.startType, 4);
    EXPECT_TRUE(values.interactive);
    EXPECT_FALSE(values.localSystem);
    EXPECT_EQ(values.account, "bob");
    EXPECT_EQ(values.password, "a");
    EXPECT_EQ(values.confirmed, "b");
}

TEST(ServiceDialog, TheAdvancedDialogShowsAndReturnsItsValues) {
    ServiceConfigEdit stored = Stored();
    stored.errorControl = 2;
    DialogLayout dialog = ServiceAdvancedDialog(AdvancedValuesOf(stored, Text()), Msg);
    ASSERT_EQ(dialog.items.size(), 19u);
    EXPECT_EQ(dialog.height, 18);
    EXPECT_EQ(dialog.width, 64);
    EXPECT_EQ(std::string(dialog.items[svcadv::DisplayName].Data), "Service");
    EXPECT_STREQ(dialog.items[svcadv::DisplayName].History, "SentrelDNameHist");
    EXPECT_STREQ(dialog.items[svcadv::Path].History, "SentrelPathHist");
    EXPECT_STREQ(dialog.items[svcadv::Group].History, "SentrelGroup");
    EXPECT_EQ(dialog.items[svcadv::Own].Selected, 1);
    EXPECT_EQ(dialog.items[svcadv::FirstErrorControl + 2].Selected, 1);
    EXPECT_EQ(dialog.items[svcadv::Ok].DefaultButton, 1);

    dialog.items[svcadv::Own].Selected = 0;
    dialog.items[svcadv::Shared].Selected = 1;
    dialog.items[svcadv::FirstErrorControl + 2].Selected = 0;
    dialog.items[svcadv::FirstErrorControl + 3].Selected = 1;
    SetData(dialog.items[svcadv::Group], "Other");
    const ServiceAdvancedValues back =
        AdvancedValuesFromDialog(dialog.items, AdvancedValuesOf(stored, Text()));
    EXPECT_TRUE(back.sharedProcess);
    EXPECT_EQ(back.errorControl, 3);
    EXPECT_EQ(back.loadOrderGroup, "Other");
    EXPECT_EQ(back.dependencies, stored.dependencies);

    const MessageFn longText = [](int number) {
        return number == 250 ? std::string(90, 't') : Msg(number);
    };
    EXPECT_EQ(ServiceAdvancedDialog(ServiceAdvancedValues{}, longText).width, 76);
}

// The confirmed dialogs against a stored service; each case changes what it names.
TEST(ServiceDialog, ConfirmingFillsTheEditRecord) {
    struct Case {
        const char* what;
        std::string storedAccount;
        std::uint32_t storedType;
        void (*change)(ServiceMainValues&, ServiceAdvancedValues&);
        std::int64_t startType, serviceType, errorControl;
        bool account, password;
        std::string newAccount, newPassword;
        bool displayName, dependencies;
    };
    const Case cases[] = {
        {"nothing", "LocalSystem", 0x10, [](ServiceMainValues&, ServiceAdvancedValues&) {}, -1, -1,
         -1, false, false, "LocalSystem", "", false, false},
        {"start disabled", "LocalSystem", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.startType = 4; }, 4, -1, -1, false,
         false, "LocalSystem", "", false, false},
        {"no start type chosen", "LocalSystem", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.startType = NoChange; }, -1, -1, -1,
         false, false, "LocalSystem", "", false, false},
        {"interactive", "LocalSystem", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.interactive = true; }, -1, 0x110, -1,
         false, false, "LocalSystem", "", false, false},
        {"interactive cleared", "LocalSystem", 0x110,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.interactive = false; }, -1, 0x10, -1,
         false, false, "LocalSystem", "", false, false},
        {"error control severe", "LocalSystem", 0x10,
         [](ServiceMainValues&, ServiceAdvancedValues& a) { a.errorControl = 2; }, -1, -1, 2, false,
         false, "LocalSystem", "", false, false},
        {"display name", "LocalSystem", 0x10,
         [](ServiceMainValues&, ServiceAdvancedValues& a) { a.displayName = "New"; }, -1, -1, -1,
         false, false, "LocalSystem", "", true, false},
        {"dependency removed", "LocalSystem", 0x10,
         [](ServiceMainValues&, ServiceAdvancedValues& a) { a.dependencies.pop_back(); }, -1, -1,
         -1, false, false, "LocalSystem", "", false, true},
        {"dependencies reordered", "LocalSystem", 0x10,
         [](ServiceMainValues&, ServiceAdvancedValues& a) {
             std::swap(a.dependencies[0], a.dependencies[1]);
         },
         -1, -1, -1, false, false, "LocalSystem", "", false, true},
        {"account without domain", "LocalSystem", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) {
             m.localSystem = false;
             m.account = "bob";
             m.password = m.confirmed = "pw";
         },
         -1, -1, -1, true, true, ".\\bob", "pw", false, false},
        {"account on the panel computer", "LocalSystem", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) {
             m.localSystem = false;
             m.account = "pc\\bob";
             m.password = m.confirmed = "pw";
         },
         -1, -1, -1, true, true, ".\\bob", "pw", false, false},
        {"account of a domain", "LocalSystem", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) {
             m.localSystem = false;
             m.account = "DOM\\bob";
             m.password = m.confirmed = "pw";
         },
         -1, -1, -1, true, true, "DOM\\bob", "pw", false, false},
        {"asterisks keep the password", ".\\bob", 0x10,
         [](ServiceMainValues&, ServiceAdvancedValues&) {}, -1, -1, -1, false, false, ".\\bob", "",
         false, false},
        {"new password", ".\\bob", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.password = m.confirmed = "new"; }, -1,
         -1, -1, false, true, ".\\bob", "new", false, false},
        {"other account keeps the password", ".\\bob", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.account = "ann"; }, -1, -1, -1, true,
         false, ".\\ann", "", false, false},
        {"interactive needs the local system", ".\\bob", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.interactive = true; }, -1, -1, -1,
         false, false, ".\\bob", "", false, false},
        {"back to the local system", ".\\bob", 0x10,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.localSystem = true; }, -1, -1, -1,
         true, true, "LocalSystem", "", false, false},
        {"shared process forces the local system", ".\\bob", 0x10,
         [](ServiceMainValues&, ServiceAdvancedValues& a) { a.sharedProcess = true; }, -1, 0x20, -1,
         true, true, "LocalSystem", "", false, false},
        {"a shared service keeps its account", ".\\bob", 0x20,
         [](ServiceMainValues& m, ServiceAdvancedValues&) { m.startType = 2; }, 2, -1, -1, false,
         false, ".\\bob", "", false, false},
        {"own process again", "LocalSystem", 0x20,
         [](ServiceMainValues&, ServiceAdvancedValues& a) { a.sharedProcess = false; }, -1, 0x10,
         -1, false, false, "LocalSystem", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ServiceConfigEdit edit = Stored(c.storedAccount, c.storedType);
        ServiceMainValues main = MainValuesOf(edit, Text());
        ServiceAdvancedValues advanced = AdvancedValuesOf(edit, Text());
        c.change(main, advanced);
        TakeAdvanced(main, advanced, edit);
        ASSERT_EQ(FinishServiceEdit(edit, main, advanced, "PC", Text()), AccountOutcome::Applied);
        EXPECT_EQ(edit.startType, c.startType);
        EXPECT_EQ(edit.serviceType, c.serviceType);
        EXPECT_EQ(edit.errorControl, c.errorControl);
        EXPECT_EQ(edit.changedAccount, c.account);
        EXPECT_EQ(edit.changedPassword, c.password);
        EXPECT_EQ(edit.account, c.newAccount);
        EXPECT_EQ(edit.password, c.newPassword);
        EXPECT_EQ(edit.changedDisplayName, c.displayName);
        EXPECT_EQ(edit.changedDependencies, c.dependencies);
        EXPECT_FALSE(edit.changedBinaryPath);
        EXPECT_FALSE(edit.changedGroup);
        EXPECT_EQ(edit.AnyChange(),
                  std::string(c.what) != "nothing" &&
                      std::string(c.what) != "asterisks keep the password" &&
                      std::string(c.what) != "no start type chosen" &&
                      std::string(c.what) != "interactive needs the local system");
    }
}

TEST(ServiceDialog, MismatchedPasswordsAreRefusedAndChangeNothing) {
    const std::pair<std::string, std::string> fields[] = {
        {KeptPassword, "x"}, {"x", KeptPassword}, {"a", "b"}, {"", "b"}};
    for (const auto& [password, confirmed] : fields) {
        SCOPED_TRACE(password + "/" + confirmed);
        ServiceConfigEdit edit = Stored(".\\bob");
        const ServiceConfigEdit before = edit;
        ServiceMainValues main = MainValuesOf(edit, Text());
        main.startType = 2;
        main.password = password;
        main.confirmed = confirmed;
        EXPECT_EQ(FinishServiceEdit(edit, main, AdvancedValuesOf(edit, Text()), "PC", Text()),
                  AccountOutcome::PasswordsDiffer);
        EXPECT_EQ(edit.startType, before.startType);
        EXPECT_EQ(edit.account, before.account);
        EXPECT_FALSE(edit.AnyChange() && edit.changedPassword);
    }
}

TEST(ServiceDialog, TextsTheOemPageCannotSpellAreKeptWhenLeftAlone) {
    const LossyText lossy;
    ServicePtr record = MakeService("Svc", StateStopped, 3, "Name \xB9 1", ".\\us\xB9r");
    record->config.binaryPath = "C:\\\xB9\\svc.exe";
    ServiceConfigEdit edit = EditRecordFrom(*record);
    ServiceMainValues main = MainValuesOf(edit, lossy);
    ServiceAdvancedValues advanced = AdvancedValuesOf(edit, lossy);
    ASSERT_EQ(advanced.displayName, "Name ? 1");
    ASSERT_EQ(FinishServiceEdit(edit, main, advanced, "PC", lossy), AccountOutcome::Applied);
    EXPECT_FALSE(edit.AnyChange());
    EXPECT_EQ(edit.displayName, "Name \xB9 1");
    EXPECT_EQ(edit.account, ".\\us\xB9r");

    ServiceConfigEdit again = EditRecordFrom(*record);
    advanced.binaryPath = "C:\\new.exe";
    ASSERT_EQ(FinishServiceEdit(again, main, advanced, "PC", lossy), AccountOutcome::Applied);
    EXPECT_TRUE(again.changedBinaryPath);
    EXPECT_EQ(again.binaryPath, "C:\\new.exe");
    EXPECT_FALSE(again.changedDisplayName);
    EXPECT_FALSE(again.changedAccount);
}

TEST(ServiceDialog, OemTextsAreStoredInAnsi) {
    ServiceConfigEdit edit = Stored();
    ServiceMainValues main = MainValuesOf(edit, Text());
    ServiceAdvancedValues advanced = AdvancedValuesOf(edit, Text());
    main.localSystem = false;
    main.account = Oem("Иван");
    main.password = main.confirmed = Oem("пароль");
    advanced.displayName = Oem("Служба");
    ASSERT_EQ(FinishServiceEdit(edit, main, advanced, "PC", Text()), AccountOutcome::Applied);
    EXPECT_EQ(edit.account, ".\\" + Ansi("Иван"));
    EXPECT_EQ(edit.password, Ansi("пароль"));
    EXPECT_EQ(edit.displayName, Ansi("Служба"));
}

} // namespace sentrel::test
