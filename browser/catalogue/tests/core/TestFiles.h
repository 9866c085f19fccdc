#pragma once

#include "tools/testsupport/ScratchFolder.h"

#include <string>

namespace cobwen::testing {

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// A gzip file holding `bytes` (one member; an empty text gives an empty member).
void WriteGzip(const std::string& path, const std::string& bytes);

} // namespace cobwen::testing
