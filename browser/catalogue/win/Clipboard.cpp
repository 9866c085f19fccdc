#include "browser/catalogue/win/Clipboard.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/win/KeyboardLayouts.h"
#include "win32/Text.h"

#include <cstring>
#include <utility>
#include <windows.h>

namespace cobwen {

namespace {

constexpr char RussianLayout[] = "00000419";

// The clipboard, opened for the calling thread until destruction.
class ClipboardSession {
public:
    ClipboardSession() {
        // Another program may hold the clipboard for a moment.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != FALSE;
            if (!open_)
                Sleep(10);
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_)
            CloseClipboard();
    }

    bool Open() const { return open_; }

private:
    bool open_ = false;
};

// Movable global memory, freed unless handed over.
class GlobalMemory {
public:
    explicit GlobalMemory(std::size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    GlobalMemory(GlobalMemory&& other) noexcept : memory_(other.Release()) {}
    GlobalMemory& operator=(GlobalMemory&& other) noexcept {
        if (this != &other) {
            Free();
            memory_ = other.Release();
        }
        return *this;
    }
    ~GlobalMemory() { Free(); }

    HGLOBAL Get() const { return memory_; }
    HGLOBAL Release() { return std::exchange(memory_, nullptr); }

    bool Fill(const void* data, std::size_t size) {
        void* target = memory_ ? GlobalLock(memory_) : nullptr;
        if (!target)
            return false;
        std::memcpy(target, data, size);
        GlobalUnlock(memory_);
        return true;
    }

private:
    void Free() {
        if (memory_)
            GlobalFree(memory_);
    }

    HGLOBAL memory_;
};

// `size` includes the terminating null of the text.
bool SetClipboard(UINT format, const void* data, std::size_t size) {
    GlobalMemory memory(size);
    if (!memory.Fill(data, size))
        return false;
    const ClipboardSession clipboard;
    if (!clipboard.Open() || !EmptyClipboard())
        return false;
    if (!SetClipboardData(format, memory.Get()))
        return false;
    // The clipboard owns the memory now.
    memory.Release();
    return true;
}

} // namespace

bool CopyTextRussianLocale(const std::string& text) {
    SystemKeyboardLayouts layouts;
    return WithKeyboardLayout(layouts, RussianLayout, [&text] {
        return SetClipboard(CF_TEXT, text.c_str(), text.size() + 1);
    });
}

bool CopyTextUnicode(const std::string& text) {
    // The browser's texts are code page 1251 whatever the system's ANSI code page is.
    const std::wstring wide = win32::ToWide(text, BrowserCodePage);
    return SetClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

} // namespace cobwen
