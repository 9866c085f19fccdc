#pragma once

#include "tools/testsupport/ScratchFolder.h"

#include <string>

namespace ulvar::standin::test {

// Copies the echo plug-in into the folder as echo_plugin.dll, for language files of the test's
// choosing beside it; returns its path.
std::string CopyEchoPlugin(const testsupport::ScratchFolder& folder);

} // namespace ulvar::standin::test
