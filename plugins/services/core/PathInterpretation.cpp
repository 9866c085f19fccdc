#include "plugins/services/core/PathInterpretation.h"

#include <vector>

namespace sentrel {

bool SameNoCase(const SystemText& text, std::string_view a, std::string_view b) {
    return text.UpperAnsi(a) == text.UpperAnsi(b);
}

namespace {

bool IsDelimiter(char c) {
    return c == '\\' || c == '/';
}

std::vector<std::string_view> Components(std::string_view rest) {
    std::vector<std::string_view> components;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = start;
        while (end < rest.size() && !IsDelimiter(rest[end]))
            ++end;
        components.push_back(rest.substr(start, end - start));
        if (end >= rest.size())
            break;
        start = end + 1;
    }
    return components;
}

} // namespace

bool MatchesLeadingPart(std::string_view component, std::string_view name, const SystemText& text) {
    if (component.empty())
        return false;
    const std::string part = text.UpperAnsi(text.AnsiFromOem(component));
    const std::string whole = text.UpperAnsi(text.AnsiFromOem(name));
    return part.size() <= whole.size() && whole.compare(0, part.size(), part) == 0;
}

PathResult InterpretPath(std::string_view path, bool findMode, const PathContext& context,
                         const SystemText& text) {
    PathResult result;
    result.kind = context.current;
    if (!findMode && path.find(':') != std::string_view::npos) {
        result.fileSystemPath = true;
        return result;
    }
    while (!path.empty() && path.front() == ' ')
        path.remove_prefix(1);

    if (path.size() >= 2 && IsDelimiter(path[0]) && path[1] == path[0]) {
        path.remove_prefix(2);
        std::size_t end = 0;
        while (end < path.size() && !IsDelimiter(path[end]))
            ++end;
        std::string name = text.AnsiFromOem(path.substr(0, std::min(end, MaxComputerField)));
        path.remove_prefix(end);
        const std::size_t first = name.find_first_not_of(" \t");
        name.erase(0, first == std::string::npos ? name.size() : first);
        // A longer name is refused rather than cut: cut, it would name another computer.
        if (name.size() > MaxComputerName || end > MaxComputerField) {
            result.computerTooLong = true;
            result.refusedComputer = name;
            return result;
        }
        result.computer = name;
    }

    if (!path.empty() && IsDelimiter(path.front())) {
        result.kind = TopKind(context.layout);
        path.remove_prefix(1);
    }
    if (path.empty())
        return result;

    for (std::string_view component : Components(path)) {
        component = component.substr(0, MaxComponent);
        if (component == "..") {
            const auto parent = ParentKind(context.layout, result.kind);
            if (!parent)
                break;
            result.kind = *parent;
            continue;
        }
        std::optional<FolderKind> named;
        if (MatchesLeadingPart(component, context.servicesName, text))
            named = FolderKind::Services;
        else if (MatchesLeadingPart(component, context.devicesName, text))
            named = FolderKind::Devices;
        else if (MatchesLeadingPart(component, "Services", text))
            named = FolderKind::Services;
        else if (MatchesLeadingPart(component, "Devices", text))
            named = FolderKind::Devices;
        if (!named || !MayEnter(context.layout, result.kind, *named))
            break;
        result.kind = *named;
    }
    return result;
}

std::string CleanComputerName(std::string_view typed) {
    const auto skipBlanks = [&typed] {
        while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t'))
            typed.remove_prefix(1);
    };
    skipBlanks();
    if (typed.size() >= 2 && IsDelimiter(typed[0]) && typed[1] == typed[0]) {
        typed.remove_prefix(2);
        skipBlanks();
    }
    while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t'))
        typed.remove_suffix(1);
    return std::string(typed);
}

} // namespace sentrel
