#include "plugins/netstat/tests/win/PluginFixture.h"

#include "plugin-host/standin/win/DllLoading.h"
#include "plugins/netstat/core/Settings.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

namespace sockwell::test {

namespace fs = std::filesystem;
using ulvar::standin::HostOptions;
using ulvar::standin::PluginEntryPoints;
using ulvar::standin::StandInHost;

namespace {

// The entry points sockwell.dll exports, linked into the test.
PluginEntryPoints Linked() {
    namespace entry = ulvar::kit::entry;
    PluginEntryPoints linked;
    linked.SetStartupInfo = entry::SetStartupInfo;
    linked.GetPluginInfo = entry::GetPluginInfo;
    linked.OpenPlugin = entry::OpenPlugin;
    linked.GetOpenPluginInfo = entry::GetOpenPluginInfo;
    linked.GetFindData = entry::GetFindData;
    linked.FreeFindData = entry::FreeFindData;
    linked.ProcessKey = entry::ProcessKey;
    linked.ProcessEvent = entry::ProcessEvent;
    linked.Configure = entry::Configure;
    linked.ExitUlvar = entry::ExitUlvar;
    return linked;
}

} // namespace

SockwellTest::SockwellTest() : SockwellTest(std::string()) {
}

// The narrow functions of the system's code page throughout: std::filesystem's narrow paths are
// not in it under MinGW.
SockwellTest::SockwellTest(std::string subFolder) : libraryFolder_(folder_.Path()) {
    if (!subFolder.empty()) {
        libraryFolder_ += "\\" + subFolder;
        if (!CreateDirectoryA(libraryFolder_.c_str(), nullptr))
            throw std::runtime_error("cannot create " + libraryFolder_);
    }
    HostOptions options;
    options.language = "en";
    host_ = std::make_unique<StandInHost>(options, ui);
}

SockwellTest::~SockwellTest() {
    host_.reset();
    ulvar::kit::InstallPlugin({});
}

void SockwellTest::CopyLanguageFiles() {
    for (const char* name : {"sockwell_en.lng", "sockwell_ru.lng"})
        CopyFileA((ProgramFolder() + "\\" + name).c_str(), File(name).c_str(), FALSE);
}

void SockwellTest::LoadDll(const std::string& language) {
    if (language != host_->Options().language) {
        host_.reset();
        HostOptions options;
        options.language = language;
        host_ = std::make_unique<StandInHost>(options, ui);
    }
    CopyLanguageFiles();
    // Copied once: a library still mapped (by a resolver thread) cannot be overwritten.
    CopyFileA((ProgramFolder() + "\\sockwell.dll").c_str(), DllPath().c_str(), TRUE);
    std::string error;
    ASSERT_TRUE(ulvar::standin::LoadDll(*host_, DllPath(), &error)) << error;
}

void SockwellTest::LoadLinked(const PluginOptions& options) {
    CopyLanguageFiles();
    ulvar::kit::InstallPlugin(SockwellDefinition(options));
    ASSERT_TRUE(host_->Load(Linked(), DllPath()));
    ASSERT_NE(Plugin(), nullptr);
}

ulvar::standin::PluginPanel& SockwellTest::Open() {
    auto const handle = host_->Open(ulvar::OpenFromPluginsMenu);
    EXPECT_NE(handle, ulvar::InvalidPanel);
    EXPECT_NE(host_->Panel(), nullptr);
    return *host_->Panel();
}

void SockwellTest::Unload() {
    host_->Exit();
}

Row SockwellTest::RowAt(int index) {
    auto const& item = Panel().Item(index);
    Row row;
    row.name = item.Data.FileName;
    auto const column = [&item](int c) {
        return item.CustomColumnData && c < item.CustomColumnNumber && item.CustomColumnData[c]
                   ? std::string(item.CustomColumnData[c])
                   : std::string();
    };
    row.local = column(0);
    row.remote = column(1);
    row.state = column(2);
    return row;
}

int SockwellTest::FindRow(const std::string& local, const std::string& state) {
    for (int i = 0; i < Panel().Count(); ++i) {
        if (Panel().IsDots(i))
            continue;
        Row const row = RowAt(i);
        if (row.local == local && (state.empty() || row.state == state))
            return i;
    }
    return -1;
}

} // namespace sockwell::test
