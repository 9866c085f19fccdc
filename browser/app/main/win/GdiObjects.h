#pragma once

#include <utility>
#include <windows.h>

namespace cobwen {

// Owns a GDI object (font, bitmap, brush, pen) and deletes it.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    void Reset(Handle handle = nullptr) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using BitmapObject = GdiObject<HBITMAP>;

// Selects an object into a device context for the lifetime of the guard.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace cobwen
