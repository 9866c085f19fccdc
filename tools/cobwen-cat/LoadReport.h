#pragma once

#include <string>

namespace cobwen {
class TCobwenArchive;
}

namespace cobwen::cat {

// What went wrong with a load, for standard error; empty for a complete load.
std::string LoadProblem(int result, const std::string& file, const TCobwenArchive& archive);

} // namespace cobwen::cat
