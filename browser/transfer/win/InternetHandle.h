#pragma once

#include <utility>
#include <windows.h>
#include <wininet.h>

namespace cobwen {

// Owns a WinInet handle (root, connection or request); closing a root closes what hangs below it.
class InternetHandle {
public:
    InternetHandle() = default;
    explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    InternetHandle(InternetHandle&& other) noexcept : handle_(other.Release()) {}
    InternetHandle& operator=(InternetHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~InternetHandle() { Reset(); }

    bool Valid() const { return handle_ != nullptr; }
    HINTERNET Get() const { return handle_; }
    HINTERNET Release() { return std::exchange(handle_, nullptr); }
    void Reset(HINTERNET handle = nullptr) {
        if (handle_ != nullptr)
            InternetCloseHandle(handle_);
        handle_ = handle;
    }

private:
    HINTERNET handle_ = nullptr;
};

} // namespace cobwen
