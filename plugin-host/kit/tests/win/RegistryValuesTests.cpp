// The registry store against the real registry: which values count, what writing creates, and a
// key path in the OEM code page.

#include "plugin-host/kit/win/RegistryValues.h"
#include "tools/testsupport/win/TestRegistryKey.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace ulvar::kit::win {
namespace {

using testsupport::TestRegistryKey;

struct ValueCase {
    const char* name;
    DWORD type;
    std::string data;
    std::optional<std::uint32_t> read;
};

std::string Bytes(std::uint64_t value, std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

class RegistryValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(RegistryValueTest, OnlyAFourByteDwordCounts) {
    const ValueCase& c = GetParam();
    TestRegistryKey key("Software\\UlvarKitTests");
    ASSERT_TRUE(testsupport::SetValue(key.Path(), "Value", c.type, c.data));
    EXPECT_EQ(RegistryValueStore(key.Path()).Read("Value"), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryValueTest,
    ::testing::Values(ValueCase{"Dword", REG_DWORD, Bytes(27183, 4), 27183u},
                      ValueCase{"DwordAllOnes", REG_DWORD, Bytes(0xFFFFFFFF, 4), 0xFFFFFFFFu},
                      ValueCase{"FourBytesOfBinary", REG_BINARY, Bytes(1, 4), std::nullopt},
                      ValueCase{"Qword", REG_QWORD, Bytes(1, 8), std::nullopt},
                      ValueCase{"ShortDword", REG_DWORD, Bytes(1, 2), std::nullopt},
                      ValueCase{"String", REG_SZ, std::string("1\0", 2), std::nullopt}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(RegistryValueStoreTest, MissingKeyOrValueReadsNothing) {
    TestRegistryKey key("Software\\UlvarKitTests");
    EXPECT_EQ(RegistryValueStore(key.Path()).Read("Absent"), std::nullopt);
    EXPECT_EQ(RegistryValueStore(key.Path() + "\\NoSuchKey").Read("Value"), std::nullopt);
    EXPECT_FALSE(testsupport::KeyExists(key.Path() + "\\NoSuchKey")) << "reading creates nothing";
}

TEST(RegistryValueStoreTest, WritingCreatesTheKeyAndADword) {
    TestRegistryKey key("Software\\UlvarKitTests");
    RegistryValueStore store(key.Path() + "\\Plugin\\Settings");
    EXPECT_TRUE(store.Write("Resolve", 1));
    EXPECT_TRUE(store.Write("Resolve", 0xABCD));
    const auto stored = testsupport::GetValue(key.Path() + "\\Plugin\\Settings", "Resolve");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored->data, Bytes(0xABCD, 4));
    EXPECT_EQ(store.Read("Resolve"), 0xABCDu);
}

TEST(RegistryValueStoreTest, KeyPathIsOemText) {
    TestRegistryKey key("Software\\UlvarKitTests");
    // "Игра" in code page 866, the host's text for a Russian root key.
    const std::string oemName = "\x88\xa3\xe0\xa0";
    if (GetOEMCP() != 866)
        GTEST_SKIP() << "needs the OEM code page 866 (LANG=ru_RU.UTF-8)";
    RegistryValueStore store(key.Path() + "\\" + oemName);
    ASSERT_TRUE(store.Write("Window", 5));
    const std::wstring wide =
        win32::ToWide(key.Path(), win32::OemCodePage) + L"\\\x0418\x0433\x0440\x0430";
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, KEY_QUERY_VALUE, &opened),
              ERROR_SUCCESS);
    RegCloseKey(opened);
    EXPECT_EQ(store.Read("Window"), 5u);
}

} // namespace
} // namespace ulvar::kit::win
