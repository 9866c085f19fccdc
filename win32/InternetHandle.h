#pragma once

// The owner of a WinInet handle (root, connection or request); closing a root closes what hangs
// below it. Apart from Handle.h so that only WinInet's users include its header.

#include "win32/Handle.h"

#include <wininet.h>

namespace win32 {

namespace traits {
struct Internet {
    using Type = HINTERNET;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr; }
    static void Close(Type handle) { InternetCloseHandle(handle); }
};
} // namespace traits

using InternetHandle = UniqueHandle<traits::Internet>;

} // namespace win32
