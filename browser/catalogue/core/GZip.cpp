#include "browser/catalogue/core/GZip.h"

#include "browser/catalogue/core/Error.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <new>
#include <utility>
#include <zlib.h>

namespace cobwen {

TGZip::TGZip(std::size_t bufferSize, Allocator allocate) : allocate_(std::move(allocate)) {
    if (!allocate_)
        allocate_ = [](std::size_t size) {
            return std::make_unique<unsigned char[]>(size);
        };
    SetBufferSize(bufferSize);
}

void TGZip::SetBufferSize(std::size_t size) {
    // A read of zero bytes would look like the end of the data, and zlib reads at most INT_MAX.
    size = std::clamp<std::size_t>(size, 1, INT_MAX);
    // The new buffer first: a failed allocation must not leave the reader without one.
    std::unique_ptr<unsigned char[]> buffer = allocate_(size);
    if (!buffer)
        throw std::bad_alloc();
    buffer_ = std::move(buffer);
    bufferSize_ = size;
}

void TGZip::DecompressGzStream(void* handle, Stream& stream) {
    auto* gz = static_cast<gzFile>(handle);
    try {
        std::uint32_t total = 0; // wraps like the 32-bit count it reports
        for (;;) {
            const int n = gzread(gz, buffer_.get(), static_cast<unsigned>(bufferSize_));
            if (n < 0) {
                int code = 0;
                const char* message = gzerror(gz, &code);
                throw CobwenError(message != nullptr ? message : "read error");
            }
            total += static_cast<std::uint32_t>(n);
            if (OnProgress) {
                OnProgress(*this, static_cast<std::int32_t>(total));
            }
            if (n == 0) {
                // zlib reports input that ends inside a member only through the handle's state.
                int code = 0;
                const char* message = gzerror(gz, &code);
                if (code == Z_BUF_ERROR) {
                    throw CobwenError(message != nullptr ? message : "unexpected end of file");
                }
                break;
            }
            if (stream.Write(buffer_.get(), static_cast<std::size_t>(n)) <
                static_cast<std::size_t>(n)) {
                throw CobwenError("write error");
            }
        }
    } catch (const std::exception& e) {
        throw CobwenError(std::string("Uncompress(gzFile->Stream): ") + e.what());
    }
}

void TGZip::DecompressFile(const std::filesystem::path& fileName, Stream& stream) {
    try {
#ifdef _WIN32
        // The wide open: a path the ANSI code page cannot spell is still found.
        gzFile gz = gzopen_w(fileName.c_str(), "r");
#else
        gzFile gz = gzopen(fileName.c_str(), "r");
#endif
        if (gz == nullptr) {
            throw CobwenError("can't gzopen");
        }
        try {
            DecompressGzStream(gz, stream);
        } catch (...) {
            // A premature end is already the reported error; anything else the close reports wins.
            const int closed = gzclose(gz);
            if (closed != Z_OK && closed != Z_BUF_ERROR) {
                throw CobwenError("gzclose error");
            }
            throw;
        }
        if (gzclose(gz) != Z_OK) {
            throw CobwenError("gzclose error");
        }
    } catch (const std::exception& e) {
        throw CobwenError(std::string("UnCompress(File->File): ") + e.what());
    }
}

std::size_t GzipSizeHint(const std::filesystem::path& fileName) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    if (size < 18) { // header and trailer
        return 0;
    }
    unsigned char magic[2] = {};
    unsigned char trailer[4] = {};
    in.seekg(0);
    in.read(reinterpret_cast<char*>(magic), 2);
    in.seekg(size - 4);
    in.read(reinterpret_cast<char*>(trailer), 4);
    if (!in || magic[0] != 0x1F || magic[1] != 0x8B) {
        return 0;
    }
    const std::size_t stated = trailer[0] | (trailer[1] << 8) | (trailer[2] << 16) |
                               (static_cast<std::size_t>(trailer[3]) << 24);
    // Deflate expands at most about 1032 times; beyond that (or 512 MiB) the trailer is not
    // trusted.
    const std::size_t plausible = static_cast<std::size_t>(size) * 1032;
    return std::min({stated, plausible, std::size_t{512} << 20});
}

} // namespace cobwen
