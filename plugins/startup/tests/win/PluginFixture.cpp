#include "plugins/startup/tests/win/PluginFixture.h"

#include "plugin-host/standin/win/DllLoading.h"
#include "win32/Registry.h"

#include <windows.h>

#include <atomic>
#include <filesystem>

namespace launchet::test {

namespace fs = std::filesystem;
using ulvar::standin::HostOptions;
using ulvar::standin::PluginEntryPoints;

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
    linked.PutFiles = entry::PutFiles;
    linked.DeleteFiles = entry::DeleteFiles;
    linked.ProcessKey = entry::ProcessKey;
    linked.Configure = entry::Configure;
    linked.ExitUlvar = entry::ExitUlvar;
    return linked;
}

} // namespace

LaunchetTest::LaunchetTest(std::uint32_t version) {
    static std::atomic<int> counter{0};
    tag_ = "launchet-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(counter++) + "t";
    HostOptions options;
    options.language = "en";
    options.rootKey = key_.Path();
    options.version = version;
    host_ = std::make_unique<ulvar::standin::StandInHost>(options, ui);
    RemoveTagged();
}

LaunchetTest::~LaunchetTest() {
    host_.reset();
    ulvar::kit::InstallPlugin({});
    RemoveTagged();
}

void LaunchetTest::CopyLanguageFiles() {
    for (const char* name : {"launchet_en.lng", "launchet_ru.lng"})
        fs::copy_file(fs::path(testsupport::ProgramFolder()) / name, folder_.File(name),
                      fs::copy_options::overwrite_existing);
}

void LaunchetTest::LoadLinked() {
    CopyLanguageFiles();
    ulvar::kit::InstallPlugin(LaunchetDefinition());
    ASSERT_TRUE(host_->Load(Linked(), folder_.File("launchet.dll")));
    ASSERT_NE(Plugin(), nullptr);
}

void LaunchetTest::LoadDll() {
    CopyLanguageFiles();
    std::string const dll = folder_.File("launchet.dll");
    if (!fs::exists(dll))
        fs::copy_file(fs::path(testsupport::ProgramFolder()) / "launchet.dll", dll);
    std::string error;
    ASSERT_TRUE(ulvar::standin::LoadDll(*host_, dll, &error)) << error;
}

LaunchetPlugin* LaunchetTest::Plugin() const {
    return ulvar::kit::CurrentPluginAs<LaunchetPlugin>();
}

ulvar::standin::PluginPanel& LaunchetTest::Open() {
    auto const handle = host_->Open(ulvar::OpenFromDisksMenu);
    EXPECT_NE(handle, ulvar::InvalidPanel);
    EXPECT_NE(host_->Panel(), nullptr);
    return *host_->Panel();
}

void LaunchetTest::AddRunValue(const std::string& name, const std::string& data) {
    ASSERT_TRUE(testsupport::SetString(UserRunKey, name, data));
}

std::optional<std::string> LaunchetTest::RunValue(const std::string& name) const {
    return testsupport::GetString(UserRunKey, name);
}

std::vector<std::string> LaunchetTest::TaggedRunValues() const {
    std::vector<std::string> tagged;
    for (auto const& name : testsupport::ValueNames(UserRunKey)) {
        auto const data = testsupport::GetString(UserRunKey, name);
        if (name.find(tag_) != std::string::npos || (data && data->find(tag_) != std::string::npos))
            tagged.push_back(name);
    }
    return tagged;
}

std::string LaunchetTest::StartupFolder() {
    auto const folder = testsupport::GetString(
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Startup");
    return folder ? *folder + "\\" : std::string();
}

std::vector<std::string> LaunchetTest::TaggedShortcuts() const {
    std::vector<std::string> tagged;
    std::error_code error;
    std::string const folder = StartupFolder();
    if (folder.empty())
        return tagged;
    for (auto const& entry : fs::directory_iterator(folder, error)) {
        std::string const name = entry.path().filename().string();
        if (name.find(tag_) != std::string::npos)
            tagged.push_back(name);
    }
    return tagged;
}

void LaunchetTest::RemoveTagged() {
    auto const opened = win32::OpenKey(HKEY_CURRENT_USER, std::string(UserRunKey), KEY_SET_VALUE);
    for (auto const& name : TaggedRunValues())
        if (opened.Valid())
            RegDeleteValueA(opened.Get(), name.c_str());
    for (auto const& name : TaggedShortcuts())
        DeleteFileA((StartupFolder() + name).c_str());
}

int LaunchetTest::RowOf(const std::string& text) {
    for (int i = 0; i < Panel().Count(); ++i)
        if (Panel().Name(i).find(text) != std::string::npos)
            return i;
    return -1;
}

std::string LaunchetTest::Files(const std::vector<std::string>& names) {
    std::string const folder = folder_.File("files " + tag_);
    fs::create_directories(folder);
    for (auto const& name : names)
        testsupport::WriteBytes(folder + "\\" + name, "MZ");
    return folder;
}

} // namespace launchet::test
