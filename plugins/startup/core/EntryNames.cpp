#include "plugins/startup/core/EntryNames.h"

#include "plugins/startup/ulvarplus/TextFunctions.h"

namespace launchet {

std::string DefaultEntryName(std::string_view path) {
    std::string name = ulvarplus::FileNamePart(path);
    std::size_t const dot = name.find('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return name;
}

bool IsValidEntryName(std::string_view name) {
    if (name.empty())
        return false;
    for (char const c : name) {
        if (static_cast<unsigned char>(c) < 0x20)
            return false;
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

std::optional<std::string> FirstFreeName(const std::function<std::string(int number)>& make,
                                         const std::function<bool(const std::string&)>& taken) {
    for (int number = 0; number <= MaxNumberedNames; ++number) {
        std::string name = make(number);
        if (!taken(name))
            return name;
    }
    return std::nullopt;
}

} // namespace launchet
