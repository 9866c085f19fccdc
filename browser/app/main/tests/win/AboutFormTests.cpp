// The about box as a real window: its texts, the buttons that depend on readme.txt, the addresses
// clicked with the mouse, the question of "Новая версия", and OK and Esc; then the box through the
// main window's Alt+F1.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/main/win/AboutForm.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/Input.h"
#include "tools/testsupport/win/MessagePump.h"
#include "tools/testsupport/win/WindowProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

std::wstring TextOf(HWND control) {
    wchar_t text[512]{};
    GetWindowTextW(control, text, 512);
    return text;
}

// Closes every about box of this thread once in a while, so that a box the test did not close
// cannot hold it; ended with the scope.
class AboutCloser {
public:
    AboutCloser()
        : timer_(SetTimer(nullptr, 0, 8000, [](HWND, UINT, UINT_PTR, DWORD) {
              if (const HWND about = FindWindowW(L"TCobwenAboutForm", nullptr))
                  PostMessageW(about, WM_CLOSE, 0, 0);
          })) {}
    AboutCloser(const AboutCloser&) = delete;
    AboutCloser& operator=(const AboutCloser&) = delete;
    ~AboutCloser() { KillTimer(nullptr, timer_); }

private:
    UINT_PTR timer_;
};

class AboutFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::CanCreateWindows())
            GTEST_SKIP() << "no display for windows";
    }

    std::unique_ptr<TCobwenAboutForm> Make() {
        AboutInput input;
        input.Title = L"ULVAR Cobwen GUI";
        input.ProgramVersion = L"2.1.6";
        input.ProgramDateText = L"7 дек 2026 (10:20:30)";
        input.ProgramFolder = std::filesystem::path(folder_.Path()) / "";
        input.Prompts = &prompts_;
        input.CheckForUpdate = [this] {
            ++checks_;
        };
        input.Open = [this](const std::wstring& target) {
            opened_.push_back(target);
        };
        return std::make_unique<TCobwenAboutForm>(std::move(input));
    }

    testsupport::ScratchFolder folder_;
    test::ScriptedPrompter prompts_;
    int checks_ = 0;
    std::vector<std::wstring> opened_;
};

TEST_F(AboutFormTest, LayoutAndTexts) {
    const auto about = Make();
    RECT rect{};
    GetWindowRect(about->Window(), &rect);
    EXPECT_EQ(rect.right - rect.left, TCobwenAboutForm::Width);
    EXPECT_EQ(rect.bottom - rect.top, TCobwenAboutForm::Height);
    EXPECT_EQ(TextOf(about->Window()), L"О программе");
    EXPECT_EQ(TextOf(about->Control(TCobwenAboutForm::IdTitle)), L"ULVAR Cobwen GUI");
    EXPECT_EQ(TextOf(about->Control(TCobwenAboutForm::IdVersionLine)),
              L"Версия - 2.1.6 от 7 дек 2026 (10:20:30)");
    EXPECT_EQ(TextOf(about->Control(TCobwenAboutForm::IdNewVersion)), L"Новая версия");
    EXPECT_EQ(TextOf(about->Control(TCobwenAboutForm::IdOk)), L"OK");
    // The logo is drawn at run time.
    EXPECT_NE(SendMessageW(about->Control(TCobwenAboutForm::IdLogo), STM_GETICON, 0, 0), 0);
}

TEST_F(AboutFormTest, HelpOnlyWithReadme) {
    EXPECT_EQ(Make()->Control(TCobwenAboutForm::IdHelp), nullptr);

    ASSERT_TRUE(testsupport::WriteFile(folder_.File("readme.txt"), "help"));
    const auto about = Make();
    const HWND help = about->Control(TCobwenAboutForm::IdHelp);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(TextOf(help), L"Справка");
    SendMessageW(help, BM_CLICK, 0, 0);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], std::filesystem::path(folder_.File("readme.txt")).native());
    // Gone meanwhile: nothing is opened.
    DeleteFileA(folder_.File("readme.txt").c_str());
    SendMessageW(help, BM_CLICK, 0, 0);
    EXPECT_EQ(opened_.size(), 1u);
}

TEST_F(AboutFormTest, AddressesOpenWhenClicked) {
    const auto about = Make();
    ShowWindow(about->Window(), SW_SHOW);
    testsupport::BringToFront(about->Window());
    const HWND mail = about->Control(TCobwenAboutForm::IdFirstLink);
    const HWND web = about->Control(TCobwenAboutForm::IdFirstLink + 1);
    ASSERT_NE(mail, nullptr);
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(TextOf(mail), L"team@cobwen.ulvar.org");
    for (const HWND link : {mail, web}) {
        RECT rect{};
        GetWindowRect(link, &rect);
        const std::size_t before = opened_.size();
        ASSERT_TRUE(testsupport::ClickAt({rect.left + 5, (rect.top + rect.bottom) / 2}));
        ASSERT_TRUE(testsupport::PumpUntil([&] { return opened_.size() > before; }, 5000));
    }
    EXPECT_EQ(opened_, (std::vector<std::wstring>{L"mailto:team%40cobwen%2Eulvar%2Eorg",
                                                  L"http://cobwen.ulvar.org/"}));
}

TEST_F(AboutFormTest, NewVersionAsksAndStaysOpen) {
    const auto about = Make();
    const HWND newVersion = about->Control(TCobwenAboutForm::IdNewVersion);
    for (const Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
        prompts_.Answer(answer);
        SendMessageW(newVersion, BM_CLICK, 0, 0);
    }
    EXPECT_EQ(prompts_.Count(Shown::Question), 3u);
    EXPECT_EQ(prompts_.Last(Shown::Question), L"Проверить наличие новой версии ULVAR Cobwen GUI ?");
    EXPECT_EQ(checks_, 1);
    EXPECT_FALSE(about->Closed());
    SendMessageW(about->Control(TCobwenAboutForm::IdOk), BM_CLICK, 0, 0);
    EXPECT_TRUE(about->Closed());
}

TEST_F(AboutFormTest, EscapeClosesTheModalBox) {
    const AboutCloser closer;
    const auto about = Make();
    // The box takes the key from its own loop.
    PostMessageW(about->Control(TCobwenAboutForm::IdOk), WM_KEYDOWN, VK_ESCAPE, 0);
    const ULONGLONG start = GetTickCount64();
    about->ShowModal();
    EXPECT_TRUE(about->Closed());
    // Not the safety timer.
    EXPECT_LT(GetTickCount64() - start, 7000u);
}

// What the main window's about box showed, read while it is open.
struct AboutSeen {
    std::wstring versionLine;
    bool ownerDisabled = false;
    bool checkRunning = false;
};
AboutSeen* seen = nullptr;
TCobwenMainForm* seenForm = nullptr;

TEST_F(MainFormTest, AboutBoxFromAltF1) {
    TCobwenMainForm& form = Open();
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::About));
    AboutSeen result;
    seen = &result;
    seenForm = &form;
    const AboutCloser closer;
    // Once the box is open: read it, ask for a new version (Yes), then OK.
    prompts_.Answer(Answer::Yes);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        const HWND about = FindWindowW(L"TCobwenAboutForm", nullptr);
        if (!about || !IsWindowVisible(about))
            return;
        KillTimer(nullptr, id);
        seen->versionLine = TextOf(GetDlgItem(about, TCobwenAboutForm::IdVersionLine));
        seen->ownerDisabled = !IsWindowEnabled(seenForm->Window());
        SendMessageW(GetDlgItem(about, TCobwenAboutForm::IdNewVersion), BM_CLICK, 0, 0);
        seen->checkRunning = seenForm->UpdateCheck().CheckRunning();
        SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    });
    testsupport::BringToFront(form.Window());
    ASSERT_TRUE(testsupport::PressKeys({VK_MENU, VK_F1}));
    ASSERT_TRUE(PumpWindow(form, [&] { return !result.versionLine.empty(); }));
    KillTimer(nullptr, timer);
    seen = nullptr;
    EXPECT_TRUE(result.versionLine.starts_with(L"Версия - "));
    EXPECT_NE(result.versionLine.find(L" от "), std::wstring::npos);
    EXPECT_TRUE(result.ownerDisabled);
    EXPECT_TRUE(result.checkRunning);
    EXPECT_EQ(prompts_.Last(Shown::Question), L"Проверить наличие новой версии ULVAR Cobwen GUI ?");
    ASSERT_TRUE(PumpWindow(form, [&] { return IsWindowEnabled(form.Window()) != FALSE; }));
    ASSERT_TRUE(PumpWindow(form, [&] { return !form.UpdateCheck().CheckRunning(); }));
}

} // namespace
} // namespace cobwen
