#pragma once

// Owners of the Win32 handles every program and plug-in of the kit opens: one template, one set
// of traits per kind of handle. An owner is not copyable, is movable, and closes its handle when
// destroyed, reset or assigned; Release() gives the handle up without closing it.

#include <windows.h>

#include <utility>

namespace win32 {

// Traits: the handle type, the value of "no handle", what counts as a real handle, and the one
// function that closes it.
template <typename Traits> class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    bool Valid() const { return Traits::IsValid(handle_); }
    Type Get() const { return handle_; }
    Type Release() { return std::exchange(handle_, Traits::Empty()); }
    void Reset(Type handle = Traits::Empty()) {
        if (Valid())
            Traits::Close(handle_);
        handle_ = handle;
    }
    // For functions that hand a new handle back through a pointer: closes the one held first.
    Type* Receive() {
        Reset();
        return &handle_;
    }

private:
    Type handle_ = Traits::Empty();
};

namespace traits {

// Files, events, semaphores, threads, tokens, snapshots: functions of the kernel report failure
// with either null or INVALID_HANDLE_VALUE, and both mean "no handle".
struct Kernel {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { CloseHandle(handle); }
};

// A search of FindFirstFile.
struct Find {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { FindClose(handle); }
};

// A key this code opened or created (never one of the predefined root keys).
struct Registry {
    using Type = HKEY;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type key) { return key != nullptr; }
    static void Close(Type key) { RegCloseKey(key); }
};

// A library loaded by LoadLibrary.
struct Module {
    using Type = HMODULE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type module) { return module != nullptr; }
    static void Close(Type module) { FreeLibrary(module); }
};

// Fonts, brushes, pens, bitmaps, regions.
template <typename Handle> struct Gdi {
    using Type = Handle;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type object) { return object != nullptr; }
    static void Close(Type object) { DeleteObject(object); }
};

// A device context of CreateCompatibleDC or CreateDC.
struct CreatedDc {
    using Type = HDC;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type dc) { return dc != nullptr; }
    static void Close(Type dc) { DeleteDC(dc); }
};

struct Icon {
    using Type = HICON;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type icon) { return icon != nullptr; }
    static void Close(Type icon) { DestroyIcon(icon); }
};

// A menu that no window owns (a window destroys its own menu bar).
struct Menu {
    using Type = HMENU;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type menu) { return menu != nullptr; }
    static void Close(Type menu) { DestroyMenu(menu); }
};

} // namespace traits

using KernelHandle = UniqueHandle<traits::Kernel>;
using FindHandle = UniqueHandle<traits::Find>;
using RegistryKey = UniqueHandle<traits::Registry>;
using ModuleHandle = UniqueHandle<traits::Module>;
template <typename Handle> using GdiObject = UniqueHandle<traits::Gdi<Handle>>;
using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using BitmapObject = GdiObject<HBITMAP>;
using CreatedDc = UniqueHandle<traits::CreatedDc>;
using IconHandle = UniqueHandle<traits::Icon>;
using MenuHandle = UniqueHandle<traits::Menu>;

// A counting semaphore is a kernel object; the name says what the handle is for.
using SemaphoreHandle = KernelHandle;

} // namespace win32
