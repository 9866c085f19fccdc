#pragma once

// A plug-in library loaded into the stand-in host: LoadLibrary, the entry points looked up by
// name, and the module kept loaded by the host until Exit.

#include "plugin-host/standin/core/StandInHost.h"

#include <string>

namespace ulvar::standin {

// Loads the library at path and hands its entry points and full path to host.Load. False when the
// host has a plug-in loaded already or the library cannot be loaded; *error (when given) then
// tells why, in the system's words for a library that did not load.
bool LoadDll(StandInHost& host, const std::string& path, std::string* error = nullptr);
// Loads one more plug-in library beside those loaded (host.AddPlugin). Its index in the host, or
// -1 when the library cannot be loaded (*error then tells why).
int AddDll(StandInHost& host, const std::string& path, std::string* error = nullptr);

} // namespace ulvar::standin
