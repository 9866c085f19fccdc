#include "plugin-host/standin/core/LanguageFile.h"

#include <fstream>
#include <iterator>

namespace ulvar::standin {

LanguageTable LanguageTable::Parse(std::string_view bytes) {
    LanguageTable table;
    while (!bytes.empty()) {
        auto const end = bytes.find('\n');
        auto line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        table.messages_.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return table;
}

bool LanguageTable::LoadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string const bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return false;
    *this = Parse(bytes);
    return true;
}

const char* LanguageTable::Get(int number) const {
    if (number < 0 || number >= Size())
        return "";
    return messages_[static_cast<std::size_t>(number)].c_str();
}

std::string LanguageFilePath(const std::string& modulePath, const std::string& language) {
    auto const slash = modulePath.find_last_of("\\/");
    std::size_t const nameStart = slash == std::string::npos ? 0 : slash + 1;
    auto const dot = modulePath.rfind('.');
    std::size_t const nameEnd =
        dot == std::string::npos || dot < nameStart ? modulePath.size() : dot;
    return modulePath.substr(0, nameEnd) + "_" + language + ".lng";
}

LanguageTable LoadLanguage(const std::string& modulePath, const std::string& language,
                           std::string* usedPath) {
    LanguageTable table;
    for (auto const& candidate : {language, std::string("en")}) {
        auto const path = LanguageFilePath(modulePath, candidate);
        if (table.LoadFile(path)) {
            if (usedPath)
                *usedPath = path;
            return table;
        }
    }
    if (usedPath)
        usedPath->clear();
    return table;
}

} // namespace ulvar::standin
