#include "browser/transfer/core/TargetName.h"

#include "browser/catalogue/core/TextHelpers.h"

namespace cobwen {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// A step that Windows reads as the folder itself or one of its parents.
bool IsDotStep(std::string_view step) {
    bool dots = false;
    for (char c : step) {
        if (c == '.')
            dots = true;
        else if (c != ' ')
            return false;
    }
    return dots && step != ".";
}

} // namespace

bool IsTargetNameInside(std::string_view fileName) {
    if (fileName.empty() || IsSeparator(fileName.front()))
        return false;
    if (fileName.find(':') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= fileName.size()) {
        std::size_t end = start;
        while (end < fileName.size() && !IsSeparator(fileName[end]))
            ++end;
        if (IsDotStep(fileName.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

std::string TargetPath(std::string_view destFolder, std::string_view fileName) {
    std::string path = IncludeTrailingDelimiter(destFolder);
    path += fileName;
    return path;
}

std::string TargetFolder(std::string_view path) {
    const auto at = path.find_last_of("\\/");
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

} // namespace cobwen
