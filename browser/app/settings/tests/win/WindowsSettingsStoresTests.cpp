#include "browser/app/settings/win/WindowsSettingsStores.h"

#include "tools/testsupport/win/TestRegistryKey.h"

#include <functional>
#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(WindowsSettingsStores, DeletesTheProgramKeyThenTheVendorKeyEachOnlyWhenEmpty) {
    struct Case {
        const char* content;
        std::function<bool(const testsupport::TestRegistryKey&)> fill;
        bool programDeleted;
        bool vendorDeleted;
    };
    const Case cases[] = {
        {"nothing else", [](const testsupport::TestRegistryKey&) { return true; }, true, true},
        {"another program of the vendor",
         [](const testsupport::TestRegistryKey& r) {
             return testsupport::CreateKey(r.VendorKey() + "\\Other");
         },
         true, false},
        {"a value of the vendor",
         [](const testsupport::TestRegistryKey& r) {
             return testsupport::SetString(r.VendorKey(), "Id", "7");
         },
         true, false},
        {"a list layout of an earlier run",
         [](const testsupport::TestRegistryKey& r) {
             return testsupport::SetValue(r.ProgramKey() + "\\List", "Layout", REG_BINARY, "x");
         },
         false, false},
        {"a value in the program's key",
         [](const testsupport::TestRegistryKey& r) {
             return testsupport::SetString(r.ProgramKey(), "V", "1");
         },
         false, false},
    };
    for (const auto& c : cases) {
        const testsupport::TestRegistryKey root;
        ASSERT_TRUE(testsupport::CreateKey(root.ProgramKey()));
        ASSERT_TRUE(c.fill(root)) << c.content;
        WindowsSettingsStores stores("C:\\nowhere\\cobwen.ini", root.ProgramKey());
        stores.DeleteRegistryKeys();
        SCOPED_TRACE(c.content);
        EXPECT_EQ(testsupport::KeyExists(root.ProgramKey()), !c.programDeleted);
        EXPECT_EQ(testsupport::KeyExists(root.VendorKey()), !c.vendorDeleted);
        EXPECT_TRUE(testsupport::KeyExists(root.Path()));
    }
}

} // namespace
} // namespace cobwen
