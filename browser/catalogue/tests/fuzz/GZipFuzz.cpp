// The gzip container alone, with read buffers of every size from one byte up.
#include "browser/catalogue/core/Error.h"
#include "browser/catalogue/core/GZip.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = testsupport::fuzz::InputFile(testsupport::fuzz::Text(data, size));
    cobwen::TGZip gzip(size > 0 ? 1 + data[size - 1] % 97 : 1);
    cobwen::MemoryStream stream;
    std::int32_t reported = -1;
    gzip.OnProgress = [&reported](cobwen::TGZip&, std::int32_t total) {
        // The total only grows.
        if (total < reported)
            std::abort();
        reported = total;
    };
    try {
        gzip.DecompressFile(path, stream);
    } catch (const cobwen::CobwenError&) {
    }
    cobwen::GzipSizeHint(path);
    return 0;
}
