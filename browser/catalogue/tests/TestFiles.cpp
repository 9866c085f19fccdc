#include "TestFiles.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <zlib.h>

namespace cobwen::testing {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("cobwen-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

void WriteGzip(const std::string& path, const std::string& bytes) {
    gzFile gz = gzopen(path.c_str(), "wb");
    if (gz == nullptr) {
        throw std::runtime_error("cannot create " + path);
    }
    const int written =
        bytes.empty() ? 0 : gzwrite(gz, bytes.data(), static_cast<unsigned>(bytes.size()));
    if (gzclose(gz) != Z_OK || written != static_cast<int>(bytes.size())) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace cobwen::testing
