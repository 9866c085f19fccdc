#include "GameFixture.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>

namespace blocksby::test {
namespace {

std::string UniqueName(const char* prefix) {
    static std::atomic<int> counter{0};
    return std::string(prefix) + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter) + "-" + std::to_string(GetTickCount());
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

TempFolder::TempFolder()
    : path_(std::filesystem::temp_directory_path() / UniqueName("blocksby-test-")) {
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string();
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

GameTest::GameTest() : rootKey("Software\\UlvarTests\\" + UniqueName("Game")) {
    for (const char* language : {"en", "ru"}) {
        const std::string name = std::string("blocksby_") + language + ".lng";
        std::filesystem::copy_file(std::filesystem::path(ProgramFolder()) / name,
                                   folder_.File(name));
    }
}

GameTest::~GameTest() {
    host_.reset();
    ReloadPlugin(nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, Wide(rootKey).c_str());
}

FakeConsole& GameTest::Load(int width, int height, const std::string& language) {
    width_ = width;
    height_ = height;
    language_ = language;
    host_.reset();
    auto fake = std::make_unique<FakeConsole>();
    fake->width = width;
    fake->height = height;
    console = fake.get();
    ReloadPlugin(std::move(fake));

    ulvar::standin::HostOptions options;
    options.screenWidth = width;
    options.screenHeight = height;
    options.language = language;
    options.rootKey = rootKey;
    host_ = std::make_unique<ulvar::standin::StandInHost>(options, ui);
    ulvar::standin::PluginEntryPoints entry;
    entry.SetStartupInfo = EntrySetStartupInfo;
    entry.GetPluginInfo = EntryGetPluginInfo;
    entry.OpenPlugin = EntryOpenPlugin;
    EXPECT_TRUE(host_->Load(entry, folder_.File("blocksby.dll")));
    return *console;
}

FakeConsole& GameTest::Reload() {
    return Load(width_, height_, language_);
}

ulvar::PanelHandle GameTest::Play() {
    return host_->Open(ulvar::OpenFromPluginsMenu);
}

void GameTest::Snapshot(std::optional<ulvar::standin::VirtualScreen>& into) {
    console->Then([this, &into] { into = host_->Screen(); });
}

void GameTest::SetWindowValue(unsigned long value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(rootKey + "\\Blocksby").c_str(), 0, nullptr,
                              0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD data = value;
    RegSetValueExW(key, L"Window", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
}

} // namespace blocksby::test
