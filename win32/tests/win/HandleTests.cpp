#include "win32/Handle.h"
#include "win32/InternetHandle.h"

#include <gtest/gtest.h>

#include <utility>

namespace win32 {
namespace {

// Whether an event handle still refers to an open object.
bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(UniqueHandle, ClosesOnDestructionResetAndAssignmentButNotAfterRelease) {
    HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        const KernelHandle owner(raw);
        EXPECT_TRUE(owner.Valid());
        EXPECT_EQ(owner.Get(), raw);
    }
    EXPECT_FALSE(IsOpen(raw)) << "destruction closes";

    KernelHandle first(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE const firstRaw = first.Get();
    KernelHandle second(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE const secondRaw = second.Get();
    first = std::move(second);
    EXPECT_FALSE(IsOpen(firstRaw)) << "assignment closes what was held";
    EXPECT_EQ(first.Get(), secondRaw);
    EXPECT_FALSE(second.Valid()) << "a moved-from owner holds nothing";

    KernelHandle moved(std::move(first));
    EXPECT_EQ(moved.Get(), secondRaw);
    EXPECT_FALSE(first.Valid());
    moved.Reset();
    EXPECT_FALSE(IsOpen(secondRaw)) << "reset closes";

    KernelHandle released(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE const kept = released.Release();
    EXPECT_FALSE(released.Valid());
    EXPECT_TRUE(IsOpen(kept)) << "release gives the handle up without closing it";
    CloseHandle(kept);
}

TEST(UniqueHandle, TellsFailureValuesOfEachKindFromHandles) {
    EXPECT_FALSE(KernelHandle().Valid());
    EXPECT_FALSE(KernelHandle(INVALID_HANDLE_VALUE).Valid()) << "CreateFile's failure";
    EXPECT_FALSE(KernelHandle(CreateFileW(L"Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr))
                     .Valid());
    WIN32_FIND_DATAW found{};
    EXPECT_FALSE(FindHandle(FindFirstFileW(L"Z:\\no\\such\\folder\\*", &found)).Valid());
    EXPECT_FALSE(FindHandle().Valid());
    EXPECT_FALSE(ModuleHandle(LoadLibraryW(L"no-such-library.dll")).Valid());
    EXPECT_FALSE(InternetHandle().Valid());
}

TEST(UniqueHandle, ReceiveClosesTheOldHandleAndTakesTheNewOne) {
    KernelHandle owner(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE const first = owner.Get();
    HANDLE* const slot = owner.Receive();
    EXPECT_FALSE(IsOpen(first)) << "the old handle is closed before the new one arrives";
    EXPECT_FALSE(owner.Valid());
    *slot = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_TRUE(owner.Valid());
    EXPECT_TRUE(IsOpen(owner.Get()));

    RegistryKey key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.Receive()),
              ERROR_SUCCESS);
    EXPECT_TRUE(key.Valid());
}

TEST(UniqueHandle, OwnsGdiObjectsIconsAndMenus) {
    FontObject font(
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    HFONT const rawFont = font.Get();
    ASSERT_TRUE(font.Valid());
    font.Reset();
    EXPECT_EQ(GetObjectType(rawFont), 0u) << "the font was deleted";

    MenuHandle menu(CreatePopupMenu());
    HMENU const rawMenu = menu.Get();
    ASSERT_TRUE(menu.Valid());
    menu.Reset();
    EXPECT_FALSE(IsMenu(rawMenu)) << "the menu was destroyed";
}

} // namespace
} // namespace win32
