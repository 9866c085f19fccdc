#include "plugins/services/tests/win/PluginFixture.h"

#include "plugin-host/standin/win/DllLoading.h"
#include "plugins/services/core/MessageText.h"

#include <cstdio>
#include <filesystem>

namespace sentrel::test {

namespace fs = std::filesystem;
using ulvar::standin::HostOptions;
using ulvar::standin::PluginEntryPoints;
using ulvar::standin::StandInHost;

namespace {

PluginEntryPoints Linked() {
    namespace entry = ulvar::kit::entry;
    PluginEntryPoints linked;
    linked.SetStartupInfo = entry::SetStartupInfo;
    linked.GetPluginInfo = entry::GetPluginInfo;
    linked.OpenPlugin = entry::OpenPlugin;
    linked.ClosePlugin = entry::ClosePlugin;
    linked.GetOpenPluginInfo = entry::GetOpenPluginInfo;
    linked.GetFindData = entry::GetFindData;
    linked.FreeFindData = entry::FreeFindData;
    linked.SetDirectory = entry::SetDirectory;
    linked.GetFiles = entry::GetFiles;
    linked.ProcessKey = entry::ProcessKey;
    linked.ProcessEvent = entry::ProcessEvent;
    linked.Compare = entry::Compare;
    linked.Configure = entry::Configure;
    linked.ExitUlvar = entry::ExitUlvar;
    return linked;
}

} // namespace

SentrelTest::SentrelTest() {
    MakeHost("en");
}

SentrelTest::~SentrelTest() {
    // What the plug-in showed, to tell a failure's story.
    if (HasFailure()) {
        for (const auto& call : ui.Messages()) {
            std::string text;
            for (const std::string& line : call.shown.lines)
                text += line + " | ";
            for (const std::string& button : call.shown.buttons)
                text += "[" + button + "] ";
            std::fprintf(stderr, "  shown: %s\n", text.c_str());
        }
    }
    host_.reset();
    ulvar::kit::InstallPlugin({});
}

void SentrelTest::MakeHost(const std::string& language) {
    host_.reset();
    HostOptions options;
    options.language = language;
    options.rootKey = rootKey_.Path();
    host_ = std::make_unique<StandInHost>(options, ui);
}

void SentrelTest::CopyFiles() {
    for (const char* name : {"sentrel_en.lng", "sentrel_ru.lng"})
        fs::copy_file(fs::path(ProgramFolder()) / name, folder_.File(name),
                      fs::copy_options::overwrite_existing);
}

void SentrelTest::LoadLinked(const PluginOptions& options, const std::string& language) {
    if (language != host_->Options().language)
        MakeHost(language);
    CopyFiles();
    ulvar::kit::InstallPlugin(SentrelDefinition(options));
    ASSERT_TRUE(host_->Load(Linked(), folder_.File("sentrel.dll")));
    ASSERT_NE(Plugin(), nullptr);
}

void SentrelTest::LoadDll(const std::string& language) {
    if (language != host_->Options().language)
        MakeHost(language);
    CopyFiles();
    const std::string dll = folder_.File("sentrel.dll");
    if (!fs::exists(dll))
        fs::copy_file(fs::path(ProgramFolder()) / "sentrel.dll", dll);
    std::string error;
    ASSERT_TRUE(ulvar::standin::LoadDll(*host_, dll, &error)) << error;
}

ulvar::standin::PluginPanel& SentrelTest::Open() {
    const auto handle = host_->Open(ulvar::OpenFromPluginsMenu);
    EXPECT_NE(handle, ulvar::InvalidPanel);
    EXPECT_NE(host_->Panel(), nullptr);
    return *host_->Panel();
}

std::string SentrelTest::Column(int index, int column) {
    const ulvar::PanelItem& item = Panel().Item(index);
    if (!item.CustomColumnData || column >= item.CustomColumnNumber ||
        !item.CustomColumnData[column])
        return {};
    return item.CustomColumnData[column];
}

std::string SentrelTest::With(int number, const std::string& insert1, const std::string& insert2) {
    return FillInserts(Msg(number), {insert1, insert2});
}

} // namespace sentrel::test
