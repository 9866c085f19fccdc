#pragma once

// The main window's tests share this: a program folder of its own, a registry key of its own,
// scripted message boxes, and the program's own message loop.
#include "browser/app/main/tests/win/ScriptedPrompter.h"
#include "browser/app/main/tests/win/SettingsScript.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/win/SystemLocale.h"
#include "tools/testsupport/LocalServers.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/MessagePump.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace cobwen::test {

inline std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Runs the thread's messages as cobwen's own loop does (the window's keys first, then the dialog
// manager) until `condition` holds; false on time-out.
inline bool PumpWindow(TCobwenMainForm& form, const std::function<bool()>& condition,
                       unsigned timeoutMs = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                continue;
            if (form.Window() && form.PreTranslate(message))
                continue;
            if (form.Window() && IsDialogMessageW(form.Window(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

class MainFormTest : public ::testing::Test {
protected:
    using Shown = ScriptedPrompter::Shown;

    void SetUp() override {
        site_ = Environment("COBWEN_TEST_SITE");
        oldCatalogue_ = Environment("COBWEN_TEST_OLD_CATALOGUE");
        if (site_.empty() || oldCatalogue_.empty())
            GTEST_SKIP() << "needs the local site of run_with_site.py";
    }

    void PutOldCatalogue() {
        ASSERT_TRUE(
            CopyFileA(oldCatalogue_.c_str(), folder_.File("plugins.dat.gz").c_str(), FALSE));
    }

    TCobwenMainForm& Open(const std::string& path = "") {
        MainFormOptions options;
        options.ProgramPath = folder_.File("cobwen.exe");
        options.CatalogueHost = testsupport::LocalServer() + path;
        options.RegistryKey = registry_.ProgramKey();
        options.Prompts = &prompts_;
        options.SettingsDialogs = &settingsDialogs_;
        form_ = std::make_unique<TCobwenMainForm>(options);
        form_->Show();
        return *form_;
    }

    int RowCount(const std::string& path) {
        SystemTextLocale locale;
        TCobwenArchive archive(locale);
        EXPECT_EQ(archive.LoadFromFile(path), 0) << path;
        return archive.Count();
    }

    std::string SiteCatalogue() const { return site_ + "\\downld\\plugins.dat.gz"; }

    // Refreshes with Yes to the question and waits for the run to end.
    void Refresh(TCobwenMainForm& form) {
        prompts_.Answer(Answer::Yes);
        form.RefreshCatalogue();
        ASSERT_TRUE(form.Refreshing());
        ASSERT_TRUE(testsupport::PumpUntil([&] { return !form.Refreshing(); }));
    }

    void ExpectIdle(TCobwenMainForm& form) {
        EXPECT_TRUE(form.Tools().Enabled(ToolButton::Refresh));
        EXPECT_FALSE(form.Tools().Enabled(ToolButton::Stop));
        EXPECT_FALSE(form.Status().ProgressShown());
        EXPECT_EQ(form.Status().Text(2), L"");
    }

    std::string site_;
    std::string oldCatalogue_;
    testsupport::ScratchFolder folder_;
    testsupport::TestRegistryKey registry_;
    ScriptedPrompter prompts_;
    ScriptedSettingsDialogs settingsDialogs_;
    std::unique_ptr<TCobwenMainForm> form_;
};

} // namespace cobwen::test
