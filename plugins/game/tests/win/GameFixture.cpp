#include "plugins/game/tests/win/GameFixture.h"

#include <windows.h>

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
    ReloadPlugin(nullptr);
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
    options.rootKey = registry_.Path();
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
    ASSERT_TRUE(testsupport::SetDword(registry_.Path() + "\\Blocksby", "Window", value));
}

} // namespace blocksby::test
