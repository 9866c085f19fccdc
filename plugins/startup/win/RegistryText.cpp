#include "plugins/startup/win/RegistryText.h"

namespace launchet::win {

namespace {

// Values may change between two queries: a few attempts, then give up.
constexpr int Attempts = 4;
constexpr DWORD FirstBufferSize = 256;

} // namespace

HKEY RootHandle(RootKey root) {
    return root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::optional<StoredValue> ReadRegistryValue(HKEY key, const std::string& name) {
    std::string buffer(FirstBufferSize, '\0');
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        DWORD type = 0;
        auto size = static_cast<DWORD>(buffer.size());
        LONG const result = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (result == ERROR_MORE_DATA) {
            // What the buffer holds now is not the value: read it again at the size reported.
            buffer.assign(size > buffer.size() ? size : buffer.size() * 2, '\0');
            continue;
        }
        if (result != ERROR_SUCCESS)
            return std::nullopt;
        buffer.resize(size);
        return StoredValue{type, std::move(buffer)};
    }
    return std::nullopt;
}

std::vector<NamedValue> ReadRegistryValues(HKEY key) {
    std::vector<NamedValue> values;
    DWORD nameLength = 0, dataSize = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &nameLength, &dataSize, nullptr, nullptr) != ERROR_SUCCESS)
        return values;
    std::string name(nameLength + 1, '\0');
    std::string data(dataSize + 1, '\0');
    for (DWORD index = 0;;) {
        auto nameSize = static_cast<DWORD>(name.size());
        auto size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG const result = RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_MORE_DATA) {
            // A value that grew since the key was measured: larger buffers, the same index.
            if (name.size() > 0x10000 && data.size() > 0x1000000)
                break;
            name.resize(name.size() * 2);
            data.resize(std::max<std::size_t>(data.size() * 2, size + 1));
            continue;
        }
        ++index;
        if (result != ERROR_SUCCESS)
            continue;
        values.push_back({name.substr(0, nameSize), {type, data.substr(0, size)}});
    }
    return values;
}

} // namespace launchet::win
