#pragma once

// Owning wrappers of the Win32 handles the plug-in opens: one per kind, not copyable, movable,
// released when destroyed.

#include <windows.h>
#include <winsock2.h>

#include <cstdint>
#include <utility>

namespace sockwell::win {

// A handle released by one function, with the value that means "none".
template <typename Handle, auto Release, auto Invalid> class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, Empty())) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Empty());
        }
        return *this;
    }
    ~OwnedHandle() { Reset(); }

    bool Valid() const { return handle_ != Empty() && handle_ != Handle{}; }
    Handle Get() const { return handle_; }
    void Reset() {
        if (Valid())
            Release(handle_);
        handle_ = Empty();
    }

private:
    static Handle Empty() { return reinterpret_cast<Handle>(Invalid); }
    Handle handle_ = Empty();
};

inline void CloseKernelHandle(HANDLE handle) {
    CloseHandle(handle);
}
inline void CloseRegistryKey(HKEY key) {
    RegCloseKey(key);
}
inline void ReleaseLibrary(HMODULE module) {
    FreeLibrary(module);
}

// Files and tool help snapshots.
using KernelHandle = OwnedHandle<HANDLE, CloseKernelHandle, static_cast<std::intptr_t>(-1)>;
using RegistryKey = OwnedHandle<HKEY, CloseRegistryKey, std::intptr_t{0}>;
// A library this plug-in loaded itself.
using LibraryHandle = OwnedHandle<HMODULE, ReleaseLibrary, std::intptr_t{0}>;

// One use of Windows Sockets: WSAStartup now, WSACleanup when destroyed.
class WinsockSession {
public:
    WinsockSession() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession() {
        if (started_)
            WSACleanup();
    }
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

} // namespace sockwell::win
