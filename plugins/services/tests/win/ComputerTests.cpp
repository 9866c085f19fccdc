// Choosing the computer, and what an unreachable one shows. Wine's manager opens the local
// computer whatever name it is given, so a seam over the opening stands in for other computers:
// a name of the test's opens the local manager, any other fails as an unreachable one does.

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/win/ErrorText.h"
#include "plugins/services/win/ServiceManager.h"
#include "win32/Text.h"

#include <windows.h>

#include <algorithm>
#include <thread>

namespace sentrel::test {

namespace {

using ulvar::standin::DialogAnswer;
using ulvar::standin::DialogShown;

constexpr int F6 = 0x75;
constexpr unsigned long BadNetPath = 53;

class ComputerTest : public SentrelTest {
protected:
    void LoadWithSeam() {
        PluginOptions options;
        options.opener = [this](const std::string& computer, std::uint32_t access,
                                std::uint32_t& error) {
            opened.push_back(computer);
            if (computer == "SLOWHOST") {
                // Ctrl+Break from the console's thread while the computer does not answer.
                std::thread([this] { Host().SendBreak(); }).join();
                error = ERROR_SEM_TIMEOUT;
                return win32::ServiceHandle();
            }
            if (!computer.empty() && _stricmp(computer.c_str(), "OTHERPC") != 0 &&
                _stricmp(computer.c_str(), win::LocalComputerName().c_str()) != 0) {
                error = BadNetPath;
                // What a redraw or a close in between may do to the thread's code.
                SetLastError(0);
                return win32::ServiceHandle();
            }
            return win::SystemManagerOpener()("", access, error);
        };
        LoadLinked(options);
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
    }
    void TypeComputer(const std::string& name) {
        ui.QueueDialog(DialogAnswer{2, {{2, name}}, {}});
        EXPECT_EQ(Host().PressKey(F6), 1);
    }
    std::string Title() { return Panel().Description().panelTitle; }
    int Records() {
        int count = 0;
        for (int i = 0; i < Panel().Count(); ++i)
            count += RecordOf(Panel().Item(i)) ? 1 : 0;
        return count;
    }

    std::vector<std::string> opened;
};

} // namespace

TEST_F(ComputerTest, TheDialogAsksForTheComputerAndAnUnreachableOneOffersRetry) {
    LoadWithSeam();
    ui.QueueMessage(0); // retry
    ui.QueueMessage(1); // give up
    TypeComputer("  \\\\nosuchhost ");
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    const DialogShown& dialog = ui.Dialogs()[0].shown;
    EXPECT_EQ(dialog.helpTopic, "SelCompDlg");
    EXPECT_EQ(dialog.x2, 48);
    EXPECT_EQ(dialog.y2, 7);
    EXPECT_STREQ(dialog.items[0].Data, Msg(msg::ComputerDialogTitle).c_str());
    EXPECT_STREQ(dialog.items[2].History, "SentrelCompHist");

    EXPECT_EQ(opened, (std::vector<std::string>{"", "nosuchhost", "nosuchhost"}));
    ASSERT_EQ(ui.Messages().size(), 2u);
    const auto& shown = ui.Messages()[1].shown;
    const std::vector<std::string> expected = {Msg(msg::Error),
                                               FillInserts(Msg(msg::CannotConnect), {"NOSUCHHOST"}),
                                               win::ErrorText(BadNetPath)};
    EXPECT_EQ(shown.lines, expected);
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{Msg(msg::Retry), Msg(msg::Cancel)}));
    EXPECT_TRUE(shown.flags & ulvar::MessageWarning);
    EXPECT_FALSE(shown.flags & ulvar::MessageErrorLine);
    // Giving up leaves the panel on that computer with an empty list.
    EXPECT_EQ(Title(), " \\\\NOSUCHHOST: " + Msg(msg::ServicesFolder) + " ");
    EXPECT_EQ(Records(), 0);
    EXPECT_EQ(Plugin()->Lib().cache.FindList("nosuchhost", false), nullptr);
}

TEST_F(ComputerTest, CtrlBreakWhileConnectingEndsWithCancelled) {
    LoadWithSeam();
    ui.QueueMessage(0);
    TypeComputer("SLOWHOST");
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& shown = ui.Messages()[0].shown;
    const std::vector<std::string> expected = {Msg(msg::Error),
                                               FillInserts(Msg(msg::CannotConnect), {"SLOWHOST"}),
                                               win::ErrorText(ERROR_CANCELLED)};
    EXPECT_EQ(shown.lines, expected);
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{Msg(msg::Ok)}));
    EXPECT_EQ(opened.size(), 2u) << "no retry after a break";
    EXPECT_FALSE(Plugin()->Lib().abort);
}

TEST_F(ComputerTest, ALongComputerNameIsRefusedNotCut) {
    LoadWithSeam();
    const std::string name(50, 'X');
    ui.QueueMessage(0);
    TypeComputer(name);
    ASSERT_EQ(ui.Messages().size(), 1u);
    // The long line is broken before the name, which comes whole.
    std::vector<std::string> expected = {Msg(msg::Error)};
    for (const std::string& line : MessageLines(FillInserts(Msg(msg::ComputerNameTooLong), {name})))
        expected.push_back(line);
    EXPECT_EQ(ui.Messages()[0].shown.lines, expected);
    EXPECT_TRUE(std::any_of(expected.begin(), expected.end(),
                            [&name](const std::string& line) { return line.rfind(name, 0) == 0; }));
    EXPECT_EQ(Title(), " " + Msg(msg::ServicesFolder) + " ");
    EXPECT_EQ(opened.size(), 1u);

    ui.QueueMessage(0);
    EXPECT_EQ(Host().EnterFolder("\\\\" + name + "\\"), false);
    EXPECT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(Title(), " " + Msg(msg::ServicesFolder) + " ");
}

TEST_F(ComputerTest, TheMenuListsTheComputersVisitedAndTheLocalOne) {
    LoadWithSeam();
    const std::string local = win::LocalComputerName();
    ui.QueueMenu(0);
    EXPECT_EQ(Host().PressKey(F6, ulvar::KeyAlt), 1);
    ASSERT_EQ(ui.Menus().size(), 1u);
    ASSERT_EQ(ui.Menus()[0].shown.items.size(), 1u);
    EXPECT_STREQ(ui.Menus()[0].shown.items[0].Text, win32::OemFromAnsi(local).c_str());
    EXPECT_TRUE(ui.Menus()[0].shown.items[0].Checked);
    EXPECT_EQ(ui.Menus()[0].shown.title, Msg(msg::ComputerMenuTitle));
    EXPECT_EQ(ui.Menus()[0].shown.helpTopic, "SelCompMenu");

    TypeComputer("otherpc");
    EXPECT_GT(Records(), 0);
    EXPECT_NE(Plugin()->Lib().cache.FindList("OTHERPC", false), nullptr);
    // Typing the local name shares the local entry.
    TypeComputer(local);
    EXPECT_EQ(Plugin()->Lib().cache.Computers().size(), 2u);

    ui.QueueMenu([&local](const ulvar::standin::MenuShown& menu) {
        EXPECT_EQ(menu.items.size(), 2u);
        for (std::size_t i = 0; i < menu.items.size(); ++i)
            if (std::string(menu.items[i].Text) == "otherpc")
                return ulvar::standin::MenuAnswer{static_cast<int>(i), -1};
        ADD_FAILURE() << "no line for otherpc besides " << local;
        return ulvar::standin::MenuAnswer{};
    });
    EXPECT_EQ(Host().PressKey(F6, ulvar::KeyAlt), 1);
    EXPECT_EQ(Title(), " \\\\OTHERPC: " + Msg(msg::ServicesFolder) + " ");

    EXPECT_EQ(Host().PressKey(F6, ulvar::KeyShift), 1);
    EXPECT_EQ(Title(), " " + Msg(msg::ServicesFolder) + " ");
    EXPECT_EQ(ui.UnscriptedCount(), 0);
}

} // namespace sentrel::test
