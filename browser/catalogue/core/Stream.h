#pragma once

#include <cstddef>
#include <string>

namespace cobwen {

// Where decompressed bytes go.
class Stream {
public:
    virtual ~Stream() = default;
    // Returns how many bytes were taken.
    virtual std::size_t Write(const void* data, std::size_t size) = 0;
};

class MemoryStream final : public Stream {
public:
    std::size_t Write(const void* data, std::size_t size) override {
        bytes_.append(static_cast<const char*>(data), size);
        return size;
    }
    const std::string& Bytes() const { return bytes_; }
    std::string& Bytes() { return bytes_; }

private:
    std::string bytes_;
};

} // namespace cobwen
