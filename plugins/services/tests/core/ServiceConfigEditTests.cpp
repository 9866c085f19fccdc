#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/tests/core/ServiceFixtures.h"
#include "plugins/services/tests/core/TestText.h"

#include <gtest/gtest.h>

namespace sentrel::test {

TEST(ServiceConfigEdit, FilledFromTheRecordWithNothingChanged) {
    ServicePtr record = MakeService("Svc", StateRunning, 2, "Service", ".\\user");
    record->config.dependencies = {"a", "+g"};
    const ServiceConfigEdit edit = EditRecordFrom(*record);
    EXPECT_EQ(edit.startType, 2);
    EXPECT_EQ(edit.serviceType, 0x10);
    EXPECT_EQ(edit.errorControl, 1);
    EXPECT_EQ(edit.account, ".\\user");
    EXPECT_EQ(edit.serviceName, "Svc");
    EXPECT_EQ(edit.dependenciesAsRead, record->config.dependencies);
    EXPECT_TRUE(edit.password.empty());
    ServiceConfigEdit unchanged;
    EXPECT_FALSE(unchanged.AnyChange());
    unchanged.changedDependencies = true;
    EXPECT_TRUE(unchanged.AnyChange());
}

TEST(ServiceConfigEdit, AccountsAreShownAndStoredInTheirForms) {
    struct Case {
        std::string typed, stored;
    };
    const Case cases[] = {
        {"user", ".\\user"},
        {"PC\\user", ".\\user"},
        {"pc\\user", ".\\user"},
        {".\\user", ".\\user"},
        {"DOMAIN\\user", "DOMAIN\\user"},
        {"P\\user", "P\\user"},
        {std::string(600, 'u'), (".\\" + std::string(600, 'u')).substr(0, 510)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 20));
        EXPECT_EQ(NormalisedAccount(c.typed, "PC", Text()), c.stored);
    }
    EXPECT_EQ(AccountForEditing(".\\user"), "user");
    EXPECT_EQ(AccountForEditing("DOMAIN\\user"), "DOMAIN\\user");
    EXPECT_EQ(AccountForEditing("."), ".");
}

TEST(ServiceConfigEdit, AccountChoicesAndPasswords) {
    struct Case {
        std::string stored;
        AccountChoice choice;
        AccountOutcome outcome;
        std::string account;
        bool accountChanged, passwordChanged;
        std::string password;
    };
    const std::string kept = KeptPassword;
    const Case cases[] = {
        // only the form differs: no change, the password kept
        {".\\user",
         {false, "user", kept, kept},
         AccountOutcome::Applied,
         ".\\user",
         false,
         false,
         ""},
        {".\\user",
         {false, "PC\\user", kept, kept},
         AccountOutcome::Applied,
         ".\\user",
         false,
         false,
         ""},
        {".\\user",
         {false, "other", kept, kept},
         AccountOutcome::Applied,
         ".\\other",
         true,
         false,
         ""},
        {".\\user",
         {false, "user", "new", "new"},
         AccountOutcome::Applied,
         ".\\user",
         false,
         true,
         "new"},
        // one field changed, the other not: refused
        {".\\user",
         {false, "user", "new", kept},
         AccountOutcome::PasswordsDiffer,
         "",
         false,
         false,
         ""},
        {".\\user",
         {false, "user", "a", "b"},
         AccountOutcome::PasswordsDiffer,
         "",
         false,
         false,
         ""},
        {"LocalSystem",
         {false, "user", "pw", "pw"},
         AccountOutcome::Applied,
         ".\\user",
         true,
         true,
         "pw"},
        {".\\user", {true, "", "", ""}, AccountOutcome::Applied, "LocalSystem", true, true, ""},
        {"LocalSystem", {true, "", "", ""}, AccountOutcome::Applied, "", false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored + " -> " + c.choice.name + " / " + c.choice.password);
        ServiceConfigEdit edit;
        EXPECT_EQ(ApplyAccountChoice(edit, c.stored, c.choice, "PC", Text()), c.outcome);
        if (c.outcome != AccountOutcome::Applied)
            continue;
        if (c.accountChanged || !c.choice.localSystem) {
            EXPECT_EQ(edit.account, c.account);
        }
        EXPECT_EQ(edit.changedAccount, c.accountChanged);
        EXPECT_EQ(edit.changedPassword, c.passwordChanged);
        EXPECT_EQ(edit.password, c.password);
    }
}

} // namespace sentrel::test
