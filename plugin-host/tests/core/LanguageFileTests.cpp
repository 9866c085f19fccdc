#include "plugin-host/standin/core/LanguageFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace ulvar::standin;
namespace fs = std::filesystem;

namespace {

TEST(LanguageTable, ParsesOneMessagePerLine) {
    struct Case {
        std::string bytes;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\ntwo\n", {"one", "two"}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\r\ntwo", {"one", "two"}},
        {"\n", {""}},
        {"a\n\nc", {"a", "", "c"}},
        {"a\rb\n", {"a\rb"}},           // only the CR of a line end goes
        {"\\n stays\n", {"\\n stays"}}, // no escapes
        {"\x8f\xe0\xa8\xa2\xa5\xe2", {"\x8f\xe0\xa8\xa2\xa5\xe2"}}, // OEM bytes as they are
        {" padded \t\n", {" padded \t"}},
    };
    for (auto const& c : cases) {
        auto const table = LanguageTable::Parse(c.bytes);
        ASSERT_EQ(table.Size(), static_cast<int>(c.messages.size())) << c.bytes;
        for (int i = 0; i < table.Size(); ++i)
            EXPECT_EQ(table.Get(i), c.messages[i]) << c.bytes;
    }
}

TEST(LanguageTable, NumbersOutsideTheTableGiveAnEmptyTextNeverNull) {
    auto const table = LanguageTable::Parse("zero\none\n");
    for (int number : {-1, 2, 1000}) {
        ASSERT_NE(table.Get(number), nullptr);
        EXPECT_STREQ(table.Get(number), "");
    }
    LanguageTable empty;
    ASSERT_NE(empty.Get(0), nullptr);
    EXPECT_STREQ(empty.Get(0), "");
}

TEST(LanguageTable, PointersStayValidWhenTheTableMoves) {
    auto table = LanguageTable::Parse("s\nlonger message than any small-string buffer holds\n");
    const char* shortText = table.Get(0);
    const char* longText = table.Get(1);
    EXPECT_EQ(table.Get(0), shortText);
    LanguageTable moved = std::move(table);
    EXPECT_EQ(moved.Get(0), shortText);
    EXPECT_EQ(moved.Get(1), longText);
    EXPECT_STREQ(shortText, "s");
}

TEST(LanguageFilePath, BuildsTheNameBesideTheLibrary) {
    struct Case {
        const char* module;
        const char* language;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Ulvar\\Plugins\\blocksby.dll", "ru", "C:\\Ulvar\\Plugins\\blocksby_ru.lng"},
        {"C:\\a.b\\plugin", "en", "C:\\a.b\\plugin_en.lng"},
        {"/tmp/echo.plugin.dll", "en", "/tmp/echo.plugin_en.lng"},
        {"blocksby.dll", "en", "blocksby_en.lng"},
    };
    for (auto const& c : cases)
        EXPECT_EQ(LanguageFilePath(c.module, c.language), c.expected);
}

class LanguageFiles : public testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder = fs::temp_directory_path() / ("lng-test-" + std::to_string(random()));
        fs::create_directories(folder);
        module = (folder / "plug.dll").string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }

    fs::path folder;
    std::string module;
};

TEST_F(LanguageFiles, ChoosesTheLanguageThenEnglishThenNothing) {
    std::string used;
    EXPECT_EQ(LoadLanguage(module, "ru", &used).Size(), 0);
    EXPECT_EQ(used, "");

    Write("plug_en.lng", "Hello\r\nBye\r\n");
    auto const english = LoadLanguage(module, "ru", &used);
    EXPECT_STREQ(english.Get(1), "Bye");
    EXPECT_EQ(used, LanguageFilePath(module, "en"));

    Write("plug_ru.lng", "\x8f\xe0\xa8\xa2\xa5\xe2\n");
    auto const russian = LoadLanguage(module, "ru", &used);
    EXPECT_STREQ(russian.Get(0), "\x8f\xe0\xa8\xa2\xa5\xe2");
    EXPECT_EQ(used, LanguageFilePath(module, "ru"));
}

TEST_F(LanguageFiles, AnEmptyFileIsAnEmptyTableNotAFallback) {
    Write("plug_en.lng", "English\n");
    Write("plug_ru.lng", "");
    std::string used;
    EXPECT_EQ(LoadLanguage(module, "ru", &used).Size(), 0);
    EXPECT_EQ(used, LanguageFilePath(module, "ru"));
}

} // namespace
