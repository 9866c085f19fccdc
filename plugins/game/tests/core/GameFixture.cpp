#include "plugins/game/tests/core/GameFixture.h"

namespace blocksby::test {

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    const std::string bytes = testsupport::ReadBytes(path);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    testsupport::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

GameTest::GameTest() {
    for (const char* language : {"en", "ru"}) {
        const std::string name = std::string("blocksby_") + language + ".lng";
        std::filesystem::copy_file(std::filesystem::path(ProgramFolder()) / name,
                                   folder_.File(name));
    }
}

GameTest::~GameTest() {
    host_.reset();
    ulvar::kit::InstallPlugin({});
}

FakeConsole& GameTest::Load(int width, int height, const std::string& language) {
    width_ = width;
    height_ = height;
    language_ = language;
    host_.reset();
    ulvar::kit::InstallPlugin({ulvar::kit::Lifetime::WholeLoad, [this] {
                                   auto fake = std::make_unique<FakeConsole>();
                                   fake->width = width_;
                                   fake->height = height_;
                                   console = fake.get();
                                   return std::make_unique<BlocksbyPlugin>(
                                       std::move(fake), storage_->Make(), codePages);
                               }});

    ulvar::standin::HostOptions options;
    options.screenWidth = width;
    options.screenHeight = height;
    options.language = language;
    options.rootKey = storage_->RootKey();
    host_ = std::make_unique<ulvar::standin::StandInHost>(options, ui);
    // The entry points blocksby.dll exports.
    ulvar::standin::PluginEntryPoints entry;
    entry.SetStartupInfo = ulvar::kit::entry::SetStartupInfo;
    entry.GetPluginInfo = ulvar::kit::entry::GetPluginInfo;
    entry.OpenPlugin = ulvar::kit::entry::OpenPlugin;
    EXPECT_TRUE(host_->Load(entry, folder_.File("blocksby.dll")));
    EXPECT_NE(console, nullptr) << "SetStartupInfo made the plug-in";
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

void GameTest::SetWindowValue(std::uint32_t value) {
    storage_->SetValue(storage_->RootKey() + "\\" + SettingsSubKey, "Window", value);
}

} // namespace blocksby::test
