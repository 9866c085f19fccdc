// The C++ runtime's handler for a call of an abstract operation, in place of the one that ends the
// process: see PureCall.h.

#include "plugins/startup/ulvarplus/PureCall.h"

#include <windows.h>

extern "C" [[noreturn]] void __cxa_pure_virtual() {
    MessageBoxA(nullptr, ulvarplus::PureCallText, ulvarplus::PureCallCaption, MB_OK);
    throw ulvarplus::PureVirtualCall();
}
