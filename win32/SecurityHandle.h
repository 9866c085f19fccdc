#pragma once

// Owners of what the security functions hand out: a handle of a local security policy, memory the
// policy functions allocated, and a security identifier built by AllocateAndInitializeSid. Apart
// from Handle.h because the lean Windows header leaves the policy functions out.

#include "win32/Handle.h"

#include <ntsecapi.h>

namespace win32 {

namespace traits {
struct LsaPolicy {
    using Type = LSA_HANDLE;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr; }
    static void Close(Type handle) { LsaClose(handle); }
};
struct LsaMemory {
    using Type = void*;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type memory) { return memory != nullptr; }
    static void Close(Type memory) { LsaFreeMemory(memory); }
};
struct AllocatedSid {
    using Type = PSID;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type sid) { return sid != nullptr; }
    static void Close(Type sid) { FreeSid(sid); }
};
} // namespace traits

using LsaPolicyHandle = UniqueHandle<traits::LsaPolicy>;
using LsaMemory = UniqueHandle<traits::LsaMemory>;
using AllocatedSid = UniqueHandle<traits::AllocatedSid>;

} // namespace win32
