#pragma once

#include <utility>
#include <windows.h>

namespace cobwen {

// Owns a handle on a counting semaphore (null when there is none).
class SemaphoreHandle {
public:
    SemaphoreHandle() = default;
    explicit SemaphoreHandle(HANDLE handle) : handle_(handle) {}
    SemaphoreHandle(const SemaphoreHandle&) = delete;
    SemaphoreHandle& operator=(const SemaphoreHandle&) = delete;
    SemaphoreHandle(SemaphoreHandle&& other) noexcept : handle_(other.Release()) {}
    SemaphoreHandle& operator=(SemaphoreHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~SemaphoreHandle() { Reset(); }

    bool Valid() const { return handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    HANDLE Release() { return std::exchange(handle_, nullptr); }
    void Reset(HANDLE handle = nullptr) {
        if (handle_ != nullptr)
            CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// Owns an event handle.
class EventHandle {
public:
    EventHandle() = default;
    explicit EventHandle(HANDLE handle) : handle_(handle) {}
    EventHandle(const EventHandle&) = delete;
    EventHandle& operator=(const EventHandle&) = delete;
    EventHandle(EventHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    EventHandle& operator=(EventHandle&& other) noexcept {
        if (this != &other) {
            if (handle_ != nullptr)
                CloseHandle(handle_);
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~EventHandle() {
        if (handle_ != nullptr)
            CloseHandle(handle_);
    }

    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

} // namespace cobwen
