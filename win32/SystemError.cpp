#include "win32/SystemError.h"

#include <windows.h>

#include <string_view>

namespace win32 {

namespace {

// The buffer FormatMessage allocates, freed with LocalFree.
class LocalText {
public:
    LocalText() = default;
    LocalText(const LocalText&) = delete;
    LocalText& operator=(const LocalText&) = delete;
    ~LocalText() { LocalFree(text_); }

    char** Receiver() { return &text_; }
    const char* Get() const { return text_; }

private:
    char* text_ = nullptr;
};

} // namespace

std::string SystemMessageText(unsigned long errorCode) {
    LocalText buffer;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                            FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, errorCode, LANG_USER_DEFAULT,
                                        reinterpret_cast<char*>(buffer.Receiver()), 0, nullptr);
    if (length == 0 || buffer.Get() == nullptr)
        return {};
    std::string_view text(buffer.Get(), length);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace win32
