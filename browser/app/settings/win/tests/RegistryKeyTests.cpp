#include "app/settings/win/RegistryKey.h"
#include "app/settings/win/WindowsSettingsStores.h"

#include "TestRegistryKey.h"

#include <functional>
#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(RegistryKey, DeletesOnlyAnEmptyKey) {
    struct Case {
        const char* content;
        std::function<bool(const std::string&)> fill;
        bool deleted;
    };
    const Case cases[] = {
        {"nothing", [](const std::string&) { return true; }, true},
        {"a value", [](const std::string& k) { return test::SetString(k, "Stray", "x"); }, false},
        {"a default value", [](const std::string& k) { return test::SetString(k, "", "x"); },
         false},
        {"a number", [](const std::string& k) { return test::SetDword(k, "N", 0); }, false},
        {"a sub-key", [](const std::string& k) { return test::CreateKey(k + "\\Sub"); }, false},
    };
    for (const auto& c : cases) {
        const test::TestRegistryKey root;
        const std::string key = root.Path() + "\\Target";
        ASSERT_TRUE(test::CreateKey(key));
        ASSERT_TRUE(c.fill(key)) << c.content;
        EXPECT_EQ(DeleteKeyIfEmpty(HKEY_CURRENT_USER, key), c.deleted) << c.content;
        EXPECT_EQ(test::KeyExists(key), !c.deleted) << c.content;
    }
    const test::TestRegistryKey root;
    EXPECT_FALSE(DeleteKeyIfEmpty(HKEY_CURRENT_USER, root.Path() + "\\Missing"));
}

TEST(WindowsSettingsStores, DeletesTheProgramKeyThenTheVendorKeyEachOnlyWhenEmpty) {
    struct Case {
        const char* content;
        std::function<bool(const test::TestRegistryKey&)> fill;
        bool programDeleted;
        bool vendorDeleted;
    };
    const Case cases[] = {
        {"nothing else", [](const test::TestRegistryKey&) { return true; }, true, true},
        {"another program of the vendor",
         [](const test::TestRegistryKey& r) { return test::CreateKey(r.VendorKey() + "\\Other"); },
         true, false},
        {"a value of the vendor",
         [](const test::TestRegistryKey& r) { return test::SetString(r.VendorKey(), "Id", "7"); },
         true, false},
        {"a list layout of an earlier run",
         [](const test::TestRegistryKey& r) {
             return test::SetValue(r.ProgramKey() + "\\List", "Layout", REG_BINARY, "x");
         },
         false, false},
        {"a value in the program's key",
         [](const test::TestRegistryKey& r) { return test::SetString(r.ProgramKey(), "V", "1"); },
         false, false},
    };
    for (const auto& c : cases) {
        const test::TestRegistryKey root;
        ASSERT_TRUE(test::CreateKey(root.ProgramKey()));
        ASSERT_TRUE(c.fill(root)) << c.content;
        WindowsSettingsStores stores("C:\\nowhere\\cobwen.ini", root.ProgramKey());
        stores.DeleteRegistryKeys();
        SCOPED_TRACE(c.content);
        EXPECT_EQ(test::KeyExists(root.ProgramKey()), !c.programDeleted);
        EXPECT_EQ(test::KeyExists(root.VendorKey()), !c.vendorDeleted);
        EXPECT_TRUE(test::KeyExists(root.Path()));
    }
}

} // namespace
} // namespace cobwen
