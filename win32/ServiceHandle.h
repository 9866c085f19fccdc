#pragma once

// The owner of a handle of the service control manager: the manager itself, a service, or the
// lock of the service database. Apart from Handle.h because the lean Windows header leaves the
// service functions out.

#include "win32/Handle.h"

#include <winsvc.h>

namespace win32 {

namespace traits {
struct Service {
    using Type = SC_HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr; }
    static void Close(Type handle) { CloseServiceHandle(handle); }
};
struct ServiceLock {
    using Type = SC_LOCK;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type lock) { return lock != nullptr; }
    static void Close(Type lock) { UnlockServiceDatabase(lock); }
};
} // namespace traits

using ServiceHandle = UniqueHandle<traits::Service>;
using ServiceDatabaseLock = UniqueHandle<traits::ServiceLock>;

} // namespace win32
