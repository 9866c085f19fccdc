// A call of an abstract operation under Wine: the box the user sees (its caption, text, single OK
// button and no owner), and what the caller gets after OK, directly and through a plug-in's entry
// point.

#include "plugin-host/kit/core/PluginModule.h"
#include "plugins/startup/ulvarplus/PureCall.h"
#include "tools/testsupport/win/WindowProbe.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace ulvarplus {

// Outside an unnamed namespace: classes any other file could derive from, so that the optimizer
// cannot know every Run there is and resolve the call itself.
namespace test {

// An operation whose constructor already runs it: while the base part is built the derived
// class's Run does not exist yet, so the call reaches the abstract one.
class Operation {
public:
    [[gnu::noinline]] Operation() : first_(Start()) {}
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;
    virtual ~Operation() = default;
    virtual int Run() = 0;
    int First() const { return first_; }

private:
    [[gnu::noinline]] int Start() {
        Operation* volatile self = this;
        return self->Run();
    }

    int first_;
};

class Counting : public Operation {
public:
    int Run() override { return ++runs_; }

private:
    int runs_ = 0;
};

} // namespace test

namespace {

using test::Counting;

struct BoxSeen {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::vector<std::wstring> texts;
    std::vector<int> buttons; // the control ids of its buttons
};

BOOL CALLBACK CollectButton(HWND child, LPARAM ids) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    if (std::wstring(kind) == L"Button")
        reinterpret_cast<std::vector<int>*>(ids)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

// Runs call on a thread of its own, waits for the box, notes it and presses OK.
BoxSeen SeeBoxAndPressOk(const std::function<void()>& call) {
    std::thread caller(call);
    BoxSeen seen;
    seen.window = testsupport::WaitForWindow(L"Pure virtual function called");
    if (seen.window) {
        seen.owner = GetWindow(seen.window, GW_OWNER);
        seen.texts = testsupport::ChildTexts(seen.window);
        EnumChildWindows(seen.window, CollectButton, reinterpret_cast<LPARAM>(&seen.buttons));
        PostMessageW(seen.window, WM_COMMAND, IDOK, 0);
    }
    caller.join();
    return seen;
}

void ExpectTheLibrarysBox(const BoxSeen& seen) {
    ASSERT_NE(seen.window, nullptr) << "no box captioned \"Pure virtual function called\"";
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), L"UlvarPlus"), seen.texts.end());
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
}

class PureCallTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::CanCreateWindows())
            GTEST_SKIP() << "this session cannot create windows (Wine needs a display for them)";
    }
};

TEST_F(PureCallTest, TheBoxShowsAndTheCallerGetsAFailureAfterOk) {
    bool failed = false;
    bool built = false;
    auto const seen = SeeBoxAndPressOk([&] {
        try {
            Counting counting;
            built = counting.First() == 1;
        } catch (const PureVirtualCall&) {
            failed = true;
        }
    });
    ExpectTheLibrarysBox(seen);
    EXPECT_TRUE(failed);
    EXPECT_FALSE(built) << "the object whose construction failed is not used";
}

// A plug-in whose OpenPlugin meets an abstract operation: the host gets the failure value of
// OpenPlugin and the plug-in goes on answering.
class PluginWithAFault : public ulvar::kit::Plugin {
public:
    void SetStartupInfo(const ulvar::HostStartupInfo&) override {}
    void GetPluginInfo(ulvar::PluginInfoRecord& info) override { info.StructSize = 1; }
    ulvar::PanelHandle OpenPlugin(int, std::intptr_t) override {
        Counting counting;
        return reinterpret_cast<ulvar::PanelHandle>(static_cast<std::intptr_t>(counting.First()));
    }
};

TEST_F(PureCallTest, AnEntryPointGivesTheHostItsFailureValueAndThePluginGoesOn) {
    ulvar::kit::InstallPlugin({ulvar::kit::Lifetime::WholeLoad, [] {
                                   return std::make_unique<PluginWithAFault>();
                               }});
    ulvar::PanelHandle opened = nullptr;
    auto const seen = SeeBoxAndPressOk(
        [&] { opened = ulvar::kit::entry::OpenPlugin(ulvar::OpenFromDisksMenu, 0); });
    ExpectTheLibrarysBox(seen);
    EXPECT_EQ(opened, ulvar::InvalidPanel);
    ulvar::PluginInfoRecord info{};
    ulvar::kit::entry::GetPluginInfo(&info);
    EXPECT_EQ(info.StructSize, 1);
    ulvar::kit::InstallPlugin({});
}

} // namespace
} // namespace ulvarplus
