#pragma once

#include "browser/catalogue/core/DateTime.h"

#include <cstdint>
#include <string>

namespace cobwen {

// One plug-in of the catalogue. Texts are code page 1251, as the catalogue file holds them.
struct TCobwenData {
    std::int32_t Id = 0;
    std::string Name;
    std::string Category;
    std::string Description;
    std::string URL;
    std::string EMail;
    std::string Author;
    std::string HomePage;
    std::string Version;
    std::string UlvarVersion;
    std::string WindowsVersion;
    std::string SrcLanguage;
    std::int32_t Size = 0;
    DateTime Date = 0;
    std::string Stamp;
    bool HasSources = false;
};

} // namespace cobwen
