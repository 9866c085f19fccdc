#include "PluginFixture.h"

#include "Settings.h"

#include <windows.h>

#include <fstream>

namespace sockwell::test {

namespace fs = std::filesystem;
using ulvar::standin::HostOptions;
using ulvar::standin::PluginEntryPoints;
using ulvar::standin::StandInHost;

namespace {

constexpr const char* ParentKey = "Software\\Ferrow";
constexpr const char* ValueNames[] = {ResolveValue, ResolvePortsValue, AutoRefreshValue};

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

PluginEntryPoints Linked() {
    PluginEntryPoints entry;
    entry.SetStartupInfo = EntrySetStartupInfo;
    entry.GetPluginInfo = EntryGetPluginInfo;
    entry.OpenPlugin = EntryOpenPlugin;
    entry.GetOpenPluginInfo = EntryGetOpenPluginInfo;
    entry.GetFindData = EntryGetFindData;
    entry.FreeFindData = EntryFreeFindData;
    entry.ProcessKey = EntryProcessKey;
    entry.ProcessEvent = EntryProcessEvent;
    entry.Configure = EntryConfigure;
    entry.ExitUlvar = EntryExitUlvar;
    return entry;
}

} // namespace

SettingsKeyGuard::SettingsKeyGuard() {
    parentExisted_ = test::KeyExists(ParentKey);
    existed_ = test::KeyExists(SettingsKey);
    for (const char* name : ValueNames)
        if (auto value = Get(name))
            saved_[name] = *value;
    RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
}

SettingsKeyGuard::~SettingsKeyGuard() {
    RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
    if (existed_) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCloseKey(key);
        for (auto const& [name, value] : saved_)
            Set(name.c_str(), value);
    } else if (!parentExisted_) {
        RegDeleteKeyA(HKEY_CURRENT_USER, ParentKey);
    }
}

void SettingsKeyGuard::Set(const char* name, unsigned long value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD const data = value;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
}

std::optional<unsigned long> SettingsKeyGuard::Get(const char* name) {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey, name, RRF_RT_REG_DWORD, nullptr, &data,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

bool SettingsKeyGuard::KeyExists() {
    return test::KeyExists(SettingsKey);
}

SockwellTest::SockwellTest() {
    HostOptions options;
    options.language = "en";
    host_ = std::make_unique<StandInHost>(options, ui);
}

SockwellTest::~SockwellTest() {
    host_.reset();
    SetNextOptions({});
}

void SockwellTest::CopyLanguageFiles() {
    for (const char* name : {"sockwell_en.lng", "sockwell_ru.lng"})
        fs::copy_file(fs::path(ProgramFolder()) / name, folder_.File(name),
                      fs::copy_options::overwrite_existing);
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
    if (!fs::exists(DllPath()))
        fs::copy_file(fs::path(ProgramFolder()) / "sockwell.dll", DllPath());
    ASSERT_TRUE(host_->LoadDll(DllPath())) << host_->LoadError();
}

void SockwellTest::LoadLinked(const PluginOptions& options) {
    CopyLanguageFiles();
    SetNextOptions(options);
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
