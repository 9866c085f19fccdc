#pragma once

// sentrel in the stand-in host under Wine: the plug-in library linked into the test (with a seam
// over the manager's opening when a test gives one) or the built DLL, in a folder of the test's
// own with the language files, its settings below a registry key of the test's own.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugins/services/plugin/SentrelPlugin.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace sentrel::test {

using testsupport::ProgramFolder;

inline SentrelPlugin* Plugin() {
    return ulvar::kit::CurrentPluginAs<SentrelPlugin>();
}

class SentrelTest : public ::testing::Test {
protected:
    SentrelTest();
    ~SentrelTest() override;

    void LoadLinked(const PluginOptions& options = {}, const std::string& language = "en");
    void LoadDll(const std::string& language = "en");
    // The settings key of the plug-in below the test's root key.
    std::string SettingsKey() const { return rootKey_.Path() + "\\Sentrel"; }

    ulvar::standin::StandInHost& Host() { return *host_; }
    ulvar::standin::PluginPanel& Panel() { return *host_->Panel(); }
    std::string Msg(int number) { return host_->Messages().Get(number); }
    // Opens from the plug-ins menu; the panel, listed once.
    ulvar::standin::PluginPanel& Open();
    // The index of the item named name, or -1.
    int Find(const std::string& name) { return host_->Panel() ? Panel().Find(name) : -1; }
    std::string Column(int index, int column);
    // A message with its inserts, as the plug-in fills it.
    std::string With(int number, const std::string& insert1, const std::string& insert2 = "");
    // The computer the panel's information names.
    std::string Computer() { return Panel().Description().infoLines[1].Data; }
    const std::string& Folder() const { return folder_.Path(); }

    ulvar::standin::ScriptedUi ui;

private:
    void MakeHost(const std::string& language);
    void CopyFiles();

    testsupport::TestRegistryKey rootKey_{"Software\\SentrelTests"};
    testsupport::ScratchFolder folder_{"sentrel-test-"};
    std::unique_ptr<ulvar::standin::StandInHost> host_;
};

} // namespace sentrel::test
