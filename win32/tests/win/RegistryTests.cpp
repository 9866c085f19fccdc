#include "win32/Registry.h"

#include "tools/testsupport/win/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <functional>

namespace win32 {
namespace {

TEST(Registry, DeletesOnlyAnEmptyKey) {
    struct Case {
        const char* content;
        std::function<bool(const std::string&)> fill;
        bool deleted;
    };
    const Case cases[] = {
        {"nothing", [](const std::string&) { return true; }, true},
        {"a value", [](const std::string& k) { return testsupport::SetString(k, "Stray", "x"); },
         false},
        {"a default value", [](const std::string& k) { return testsupport::SetString(k, "", "x"); },
         false},
        {"a number", [](const std::string& k) { return testsupport::SetDword(k, "N", 0); }, false},
        {"a sub-key", [](const std::string& k) { return testsupport::CreateKey(k + "\\Sub"); },
         false},
    };
    for (const auto& c : cases) {
        const testsupport::TestRegistryKey root;
        const std::string key = root.Path() + "\\Target";
        ASSERT_TRUE(testsupport::CreateKey(key));
        ASSERT_TRUE(c.fill(key)) << c.content;
        EXPECT_EQ(DeleteKeyIfEmpty(HKEY_CURRENT_USER, key), c.deleted) << c.content;
        EXPECT_EQ(testsupport::KeyExists(key), !c.deleted) << c.content;
    }
    const testsupport::TestRegistryKey root;
    EXPECT_FALSE(DeleteKeyIfEmpty(HKEY_CURRENT_USER, root.Path() + "\\Missing"));
}

TEST(Registry, ReadsOnlyFourByteDwords) {
    const testsupport::TestRegistryKey root;
    const std::string path = root.Path();
    ASSERT_TRUE(testsupport::SetDword(path, "Number", 27183));
    ASSERT_TRUE(testsupport::SetValue(path, "Short", REG_DWORD, std::string("\x01\x02", 2)));
    ASSERT_TRUE(
        testsupport::SetValue(path, "Binary", REG_BINARY, std::string("\x01\x00\x00\x00", 4)));
    ASSERT_TRUE(testsupport::SetString(path, "Text", "5"));
    const RegistryKey key = OpenKey(HKEY_CURRENT_USER, path, KEY_READ);
    ASSERT_TRUE(key.Valid());
    EXPECT_EQ(ReadDword(key.Get(), "Number"), 27183u);
    EXPECT_EQ(ReadDword(key.Get(), L"Number"), 27183u);
    EXPECT_EQ(ReadDword(key.Get(), "Short"), std::nullopt);
    EXPECT_EQ(ReadDword(key.Get(), "Binary"), std::nullopt);
    EXPECT_EQ(ReadDword(key.Get(), "Text"), std::nullopt);
    EXPECT_EQ(ReadDword(key.Get(), "Missing"), std::nullopt);

    const RegistryKey writable = OpenKey(HKEY_CURRENT_USER, path, KEY_WRITE);
    EXPECT_TRUE(WriteDword(writable.Get(), "Written", 0xFFFFFFFFu));
    EXPECT_EQ(testsupport::GetDword(path, "Written"), 0xFFFFFFFFu);
}

TEST(Registry, OpensAndCreatesKeysWithNarrowAndWidePaths) {
    const testsupport::TestRegistryKey root;
    EXPECT_FALSE(OpenKey(HKEY_CURRENT_USER, root.Path() + "\\New", KEY_READ).Valid());
    EXPECT_TRUE(CreateKey(HKEY_CURRENT_USER, root.Path() + "\\New", KEY_WRITE).Valid());
    const std::wstring wide(root.Path().begin(), root.Path().end());
    EXPECT_TRUE(OpenKey(HKEY_CURRENT_USER, wide + L"\\New", KEY_READ).Valid());
    EXPECT_TRUE(
        CreateKey(HKEY_CURRENT_USER, wide + L"\\\u041a\u043b\u044e\u0447", KEY_WRITE).Valid());
    EXPECT_TRUE(OpenKey(HKEY_CURRENT_USER, wide + L"\\\u041a\u043b\u044e\u0447", KEY_READ).Valid());
}

TEST(RegistryKeyGuard, EmptiesAKeyForTheTestAndPutsItBack) {
    const testsupport::TestRegistryKey root;
    const std::string settings = root.Path() + "\\Vendor\\Plugin";
    ASSERT_TRUE(testsupport::SetDword(settings, "Kept", 7));
    ASSERT_TRUE(testsupport::SetString(settings + "\\Sub", "Name", "x"));
    {
        const testsupport::RegistryKeyGuard guard(settings);
        EXPECT_FALSE(testsupport::KeyExists(settings));
        ASSERT_TRUE(testsupport::SetDword(settings, "Kept", 1));
        ASSERT_TRUE(testsupport::SetDword(settings, "Added", 2));
    }
    EXPECT_EQ(testsupport::GetDword(settings, "Kept"), 7u);
    EXPECT_EQ(testsupport::GetDword(settings, "Added"), std::nullopt);
    EXPECT_EQ(testsupport::GetString(settings + "\\Sub", "Name"), "x");

    const std::string missing = root.Path() + "\\Other\\Plugin";
    {
        const testsupport::RegistryKeyGuard guard(missing);
        ASSERT_TRUE(testsupport::SetDword(missing, "Added", 2));
    }
    EXPECT_FALSE(testsupport::KeyExists(missing));
    EXPECT_FALSE(testsupport::KeyExists(root.Path() + "\\Other")) << "a parent it found missing";
}

} // namespace
} // namespace win32
