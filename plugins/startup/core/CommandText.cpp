#include "plugins/startup/core/CommandText.h"

#include "plugins/startup/ulvarplus/TextFunctions.h"

namespace launchet {

using ulvarplus::Trim;

Command SplitRegistryCommand(std::string_view text, const FileExists& exists) {
    std::size_t const start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    text.remove_prefix(start);
    if (text.front() == '"') {
        std::size_t const closing = text.find('"', 1);
        if (closing == std::string_view::npos)
            return {};
        return {std::string(text.substr(1, closing - 1)), Trim(text.substr(closing + 1))};
    }
    std::string const whole(text);
    if (exists && exists(whole))
        return {whole, {}};
    std::size_t const blank = text.find(' ');
    if (blank == std::string_view::npos)
        return {whole, {}};
    return {std::string(text.substr(0, blank)), Trim(text.substr(blank + 1))};
}

Command SplitIniToken(std::string_view token) {
    Command command;
    std::string_view rest;
    if (!token.empty() && token.front() == '"') {
        std::size_t const closing = token.find('"', 1);
        if (closing == std::string_view::npos) {
            command.program = token.substr(1);
        } else {
            command.program = token.substr(1, closing - 1);
            rest = token.substr(closing + 1);
        }
    } else {
        std::size_t const blank = token.find(' ');
        command.program = token.substr(0, blank);
        if (blank != std::string_view::npos)
            rest = token.substr(blank + 1);
    }
    std::size_t const first = rest.find_first_not_of(' ');
    if (first != std::string_view::npos)
        command.arguments = rest.substr(first);
    return command;
}

std::string RowName(const Command& command) {
    std::string name = command.program;
    if (!command.arguments.empty())
        name += ' ' + command.arguments;
    if (name.size() > RowNameLength)
        name.resize(RowNameLength);
    return name;
}

std::string RunValueData(std::string_view path, std::string_view arguments) {
    std::string data = ulvarplus::QuoteIfBlank(path);
    if (!arguments.empty()) {
        data += ' ';
        data += arguments;
    }
    return data;
}

} // namespace launchet
