#include "browser/catalogue/tests/core/TestFiles.h"

#include <stdexcept>
#include <zlib.h>

namespace cobwen::testing {

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

} // namespace cobwen::testing
