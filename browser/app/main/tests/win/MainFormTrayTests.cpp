// The tray under Wine: the real notification area of Wine's desktop takes and removes the icon;
// the icon's mouse notifications, which Wine's notification area cannot be clicked for here,
// are posted to the icon manager's window with its registered message, as the shell sends them.
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/main/win/Texts.h"
#include "tools/testsupport/win/Input.h"

#include <gtest/gtest.h>

#include <shellapi.h>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

class MainFormTrayTest : public MainFormTest {
protected:
    std::string SettingsKey() const { return registry_.ProgramKey() + "\\Settings"; }
    std::string WindowKey() const { return registry_.ProgramKey() + "\\Window"; }
    void Put(const std::string& key, const std::string& name, const std::string& text) {
        ASSERT_TRUE(testsupport::SetString(key, name, text));
    }

    // Whether the notification area holds the form's icon: it modifies only an icon it has.
    static bool IconExists(TCobwenMainForm& form) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(data);
        data.hWnd = form.Tray().Manager().Window();
        data.uID = form.Tray().Icon().Id();
        return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }

    static void Mouse(TCobwenMainForm& form, UINT message) {
        PostMessageW(form.Tray().Manager().Window(), TIconManager::TrayMessage(),
                     form.Tray().Icon().Id(), message);
    }

    static void Minimise(TCobwenMainForm& form) {
        SendMessageW(form.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }

    // Runs the messages for a while, whatever happens.
    static void PumpFor(TCobwenMainForm& form, unsigned ms) {
        PumpWindow(
            form, [] { return false; }, ms);
    }
};

TEST_F(MainFormTrayTest, MinimiseWithoutTheSettingKeepsTheTaskbarButton) {
    TCobwenMainForm& form = Open();
    Minimise(form);
    EXPECT_TRUE(IsIconic(form.Window()));
    EXPECT_TRUE(IsWindowVisible(form.Window()));
    EXPECT_FALSE(form.Tray().InTray());
    EXPECT_FALSE(IconExists(form));
}

TEST_F(MainFormTrayTest, MinimiseToTrayAndDoubleClickBack) {
    Put(SettingsKey(), "MinimizeToTray", "1");
    TCobwenMainForm& form = Open();
    EXPECT_EQ(form.Archive().Count(), 0);
    Minimise(form);
    EXPECT_FALSE(IsWindowVisible(form.Window()));
    EXPECT_TRUE(form.Tray().InTray());
    EXPECT_TRUE(IconExists(form));

    // A single click does nothing, also once its timer has fired.
    Mouse(form, WM_LBUTTONDOWN);
    Mouse(form, WM_LBUTTONUP);
    PumpFor(form, GetDoubleClickTime() + 300);
    EXPECT_FALSE(IsWindowVisible(form.Window()));

    // Restoring runs the show steps: the local catalogue put there meanwhile is loaded.
    PutOldCatalogue();
    Mouse(form, WM_LBUTTONDOWN);
    Mouse(form, WM_LBUTTONUP);
    Mouse(form, WM_LBUTTONDBLCLK);
    Mouse(form, WM_LBUTTONUP);
    ASSERT_TRUE(PumpWindow(form, [&] { return IsWindowVisible(form.Window()) != FALSE; }));
    EXPECT_FALSE(form.Tray().InTray());
    EXPECT_FALSE(IconExists(form));
    EXPECT_EQ(form.Archive().Count(), RowCount(oldCatalogue_));
}

TEST_F(MainFormTrayTest, RefusedIconMinimisesAsUsual) {
    Put(SettingsKey(), "MinimizeToTray", "1");
    TCobwenMainForm& form = Open();
    // The notification area refuses a second icon of the same window and identifier.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = form.Tray().Manager().Window();
    data.uID = form.Tray().Icon().Id();
    data.uFlags = NIF_ICON;
    data.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_WINLOGO)));
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    if (Shell_NotifyIconW(NIM_ADD, &data)) {
        Shell_NotifyIconW(NIM_DELETE, &data);
        GTEST_SKIP() << "this notification area takes the same icon twice";
    }
    Minimise(form);
    Shell_NotifyIconW(NIM_DELETE, &data);
    // The window stays reachable from its taskbar button.
    EXPECT_FALSE(form.Tray().InTray());
    EXPECT_TRUE(IsWindowVisible(form.Window()));
    EXPECT_TRUE(IsIconic(form.Window()));
}

TEST_F(MainFormTrayTest, IconComesBackWithANewTaskbar) {
    Put(SettingsKey(), "MinimizeToTray", "1");
    TCobwenMainForm& form = Open();
    Minimise(form);
    ASSERT_TRUE(IconExists(form));
    // A taskbar that starts anew knows no icon until it is added again.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = form.Tray().Manager().Window();
    data.uID = form.Tray().Icon().Id();
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(IconExists(form));
    SendMessageW(form.Tray().Manager().Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconExists(form));
    EXPECT_TRUE(form.Tray().InTray());
}

TEST_F(MainFormTrayTest, RestoreDuringARefreshKeepsTheCatalogue) {
    Put(SettingsKey(), "MinimizeToTray", "1");
    PutOldCatalogue();
    TCobwenMainForm& form = Open("/slow");
    const int oldCount = form.Archive().Count();
    ASSERT_GT(oldCount, 0);
    prompts_.Answer(Answer::Yes);
    form.RefreshCatalogue();
    ASSERT_TRUE(form.Refreshing());
    Minimise(form);
    ASSERT_TRUE(form.Tray().InTray());
    // Another local copy meanwhile: a reload would show it.
    ASSERT_TRUE(CopyFileA(SiteCatalogue().c_str(), folder_.File("plugins.dat.gz").c_str(), FALSE));
    ASSERT_NE(RowCount(folder_.File("plugins.dat.gz")), oldCount);
    SendMessageW(form.Window(), WM_COMMAND, TrayController::RestoreId, 0);
    EXPECT_TRUE(IsWindowVisible(form.Window()));
    EXPECT_FALSE(form.Tray().InTray());
    EXPECT_TRUE(form.Refreshing());
    EXPECT_EQ(form.Archive().Count(), oldCount);
    form.StopTransfers();
    ASSERT_TRUE(PumpWindow(form, [&] { return !form.Refreshing(); }));
}

TEST_F(MainFormTrayTest, ExitFromTheTrayMenuAsksDuringADownloadRun) {
    PutOldCatalogue();
    // The largest archive the site serves: from the slow site it takes some seconds.
    std::int32_t id = 0;
    {
        TCobwenMainForm& probe = Open();
        const std::string files = probe.Archive().FilesURL();
        std::int32_t size = -1;
        for (int n = 0; n < probe.Archive().Count(); ++n) {
            const TCobwenData* record = probe.Archive().GetItem(n);
            if (record->URL.rfind(files, 0) == 0 && record->Size > size) {
                size = record->Size;
                id = record->Id;
            }
        }
        form_.reset();
        ASSERT_GT(size, 0);
    }
    Put(SettingsKey(), "MinimizeToTray", "1");
    Put(SettingsKey(), "DownloadFolder", folder_.File("down"));
    Put(SettingsKey(), "BasketContents", std::to_string(id));
    TCobwenMainForm& form = Open("/slow");
    ASSERT_EQ(form.BasketList().RowCount(), 1);
    prompts_.Answer(Answer::Yes);
    form.RunCommand({Command::Download});
    ASSERT_TRUE(form.Downloading());
    Minimise(form);
    ASSERT_TRUE(form.Tray().InTray());

    // The menu opens on the right button's release; Up and Enter choose its last entry,
    // "Выход". A timer presses the keys once the menu is tracking, and ends the menu if they did
    // not.
    static int ticks = 0;
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 400, [](HWND, UINT, UINT_PTR, DWORD) {
        if (++ticks == 1) {
            testsupport::PressKeys({VK_UP});
            testsupport::PressKeys({VK_RETURN});
        } else {
            EndMenu();
        }
    });
    prompts_.Answer(Answer::No);
    Mouse(form, WM_RBUTTONUP);
    ASSERT_TRUE(PumpWindow(
        form, [&] { return prompts_.Count(Shown::Question) == 2; }, 8000));
    KillTimer(nullptr, timer);
    EXPECT_EQ(prompts_.Last(Shown::Question), MessageText(IDS_CLOSE_WHILE_LOADING));
    // No: the program goes on, still in the tray, and so does the run.
    EXPECT_NE(form.Window(), nullptr);
    EXPECT_TRUE(form.Tray().InTray());
    EXPECT_TRUE(form.Downloading());
    form.StopTransfers();
    ASSERT_TRUE(PumpWindow(form, [&] { return !form.Downloading(); }));
}

TEST_F(MainFormTrayTest, StoredMinimisedStateAtStart) {
    struct Case {
        const char* tray;
        bool inTray;
    };
    for (const Case c : {Case{"0", false}, Case{"1", true}}) {
        SCOPED_TRACE(c.tray);
        Put(SettingsKey(), "MinimizeToTray", c.tray);
        Put(WindowKey(), "WindowState", "1");
        TCobwenMainForm& form = Open();
        EXPECT_EQ(form.Tray().InTray(), c.inTray);
        EXPECT_EQ(IconExists(form), c.inTray);
        EXPECT_EQ(IsWindowVisible(form.Window()) != FALSE, !c.inTray);
        EXPECT_EQ(IsIconic(form.Window()) != FALSE, !c.inTray);
        form_.reset();
    }
}

} // namespace
} // namespace cobwen
