#include "plugins/services/core/Creation.h"

#include <gtest/gtest.h>

namespace sentrel::test {

TEST(Creation, TheDefaultAccountPassesNoAccountAndNoPassword) {
    NewService service;
    service.password = "ignored";
    CreateArguments arguments = CreateArgumentsOf(service);
    EXPECT_FALSE(arguments.account);
    EXPECT_FALSE(arguments.password);
    EXPECT_FALSE(arguments.group);
    EXPECT_FALSE(arguments.dependencies);

    service.account = ".\\user";
    service.password = "";
    service.loadOrderGroup = "Net";
    service.dependencies = {"Tcpip", "+Net"};
    arguments = CreateArgumentsOf(service);
    EXPECT_EQ(arguments.account, ".\\user");
    EXPECT_EQ(arguments.password, ""); // an empty password is still a password
    EXPECT_EQ(arguments.group, "Net");
    EXPECT_EQ(arguments.dependencies, std::string("Tcpip\0+Net\0\0", 12));

    service.account = "localsystem"; // only the exact name is the default account
    EXPECT_TRUE(CreateArgumentsOf(service).account);
}

TEST(Creation, NamesThatWouldNotStayOnePlainFileAreRefused) {
    struct Case {
        const char* name;
        std::optional<NameProblem> problem;
    };
    const Case cases[] = {
        {"MyService", std::nullopt},
        {"My Service 2", std::nullopt},
        {"Long.Name.With.Dots", std::nullopt},
        {"abcdefgh:after", std::nullopt}, // beyond the short name
        {"CONSOLE", std::nullopt},
        {"COMX", std::nullopt},
        {"", NameProblem::Empty},
        {"a\\b", NameProblem::PathSeparator},
        {"a/b", NameProblem::PathSeparator},
        {"abcdefghij\\k", NameProblem::PathSeparator},
        {"svc:data", NameProblem::NotAFileName},
        {"C:", NameProblem::NotAFileName},
        {"a*b", NameProblem::NotAFileName},
        {"a?b", NameProblem::NotAFileName},
        {"a\"b", NameProblem::NotAFileName},
        {"a<b>", NameProblem::NotAFileName},
        {"a|b", NameProblem::NotAFileName},
        {"a\tb", NameProblem::NotAFileName},
        {"abc.", NameProblem::NotAFileName},
        {"abc ", NameProblem::NotAFileName},
        {"abcdefg.tail", NameProblem::NotAFileName}, // the short name "abcdefg." ends in a dot
        {"nul", NameProblem::NotAFileName},
        {"CON", NameProblem::NotAFileName},
        {"Aux.txt", NameProblem::NotAFileName},
        {"com1", NameProblem::NotAFileName},
        {"LPT9", NameProblem::NotAFileName},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ServiceNameProblem(c.name), c.problem) << "[" << c.name << "]";
}

TEST(Creation, TheDialogKeepsTheTextsAsTheUserLeftThem) {
    const MessageFn msg = [](int number) {
        return "m" + std::to_string(number);
    };
    DialogLayout dialog = CreateServiceDialog({"name", "display", "path"}, msg);
    ASSERT_EQ(dialog.items.size(), 10u);
    EXPECT_EQ(dialog.width, 64);
    EXPECT_EQ(dialog.height, 13);
    EXPECT_STREQ(dialog.items[create::Name].History, "SentrelNameHist");
    EXPECT_STREQ(dialog.items[create::DisplayName].History, "SentrelDNameHist");
    EXPECT_STREQ(dialog.items[create::Path].History, "SentrelPathHist");
    EXPECT_EQ(dialog.items[create::Name].Focus, 1);
    EXPECT_EQ(dialog.items[create::Next].DefaultButton, 1);
    const CreateTexts texts = CreateTextsFromDialog(dialog.items);
    EXPECT_EQ(texts.name, "name");
    EXPECT_EQ(texts.displayName, "display");
    EXPECT_EQ(texts.path, "path");
}

} // namespace sentrel::test
