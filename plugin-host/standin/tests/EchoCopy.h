#pragma once

#include "Scratch.h"

#include <string>

namespace ulvar::standin::test {

// Copies the echo plug-in into the folder as echo_plugin.dll, for language files of the test's
// choosing beside it; returns its path.
std::string CopyEchoPlugin(const ScratchFolder& folder);

} // namespace ulvar::standin::test
