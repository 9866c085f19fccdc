#pragma once

#include "browser/catalogue/core/Stream.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace cobwen {

// Decompresses gzip files (and passes plain files through unchanged) into a stream.
// Every failure is raised as a CobwenError whose text starts with "UnCompress(File->File): ".
class TGZip {
public:
    static constexpr std::size_t DefaultBufferSize = 262144;
    using ProgressEvent = std::function<void(TGZip& sender, std::int32_t total)>;
    // Allocates a read buffer; may throw std::bad_alloc.
    using Allocator = std::function<std::unique_ptr<unsigned char[]>(std::size_t size)>;

    TGZip() : TGZip(DefaultBufferSize) {}
    explicit TGZip(std::size_t bufferSize, Allocator allocate = {});

    TGZip(const TGZip&) = delete;
    TGZip& operator=(const TGZip&) = delete;

    // A buffer that cannot be allocated raises std::bad_alloc and leaves the old one in place.
    void SetBufferSize(std::size_t size);
    std::size_t BufferSize() const { return bufferSize_; }

    // Writes the uncompressed bytes of `fileName` to `stream` from its current position on.
    void DecompressFile(const std::filesystem::path& fileName, Stream& stream);
    // The read loop on a handle opened by zlib's gzopen (a gzFile).
    void DecompressGzStream(void* gz, Stream& stream);

    // Called after every read with the uncompressed bytes delivered so far, the final empty read
    // too.
    ProgressEvent OnProgress;

private:
    Allocator allocate_;
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t bufferSize_ = 0;
};

// The uncompressed size a gzip file states in its trailer, as a hint for reserving memory: 0 for a
// file that is not gzip, and never more than the compressed size could plausibly expand to.
std::size_t GzipSizeHint(const std::filesystem::path& fileName);

} // namespace cobwen
