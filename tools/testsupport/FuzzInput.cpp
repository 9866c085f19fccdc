#include "tools/testsupport/FuzzInput.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace testsupport::fuzz {

std::string InputFile(std::string_view bytes) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("ulvar-fuzz-" + std::to_string(getpid())))
            .string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
    return path;
}

} // namespace testsupport::fuzz
