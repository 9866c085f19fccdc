#pragma once

// COM for the threads that use it: a session that initialises COM on the calling thread and
// uninitialises it only when its own initialisation succeeded (a thread already in another
// apartment mode gets RPC_E_CHANGED_MODE, and uninitialising then would end the other owner's
// initialisation), and the owner of one interface pointer.

#include <objbase.h>
#include <windows.h>

#include <utility>

namespace win32 {

class ComSession {
public:
    ComSession() : result_(CoInitialize(nullptr)) {}
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;
    ~ComSession() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }

    // S_OK, S_FALSE (already initialised in this mode; still to be balanced) or a failure.
    HRESULT Result() const { return result_; }
    bool Initialized() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

// One reference to a COM interface, released when the owner goes.
template <typename Interface> class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ComPointer(ComPointer&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPointer& operator=(ComPointer&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~ComPointer() { Reset(); }

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    bool Valid() const { return pointer_ != nullptr; }
    void Reset() {
        if (pointer_)
            pointer_->Release();
        pointer_ = nullptr;
    }
    // For functions that hand a new reference back through a pointer: releases the one held.
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

private:
    Interface* pointer_ = nullptr;
};

} // namespace win32
