#include "win32/WindowProc.h"

namespace win32 {

void LastResort(const char* what) noexcept {
    OutputDebugStringA("Unhandled failure: ");
    OutputDebugStringA(what ? what : "(no text)");
    OutputDebugStringA("\n");
}

} // namespace win32
