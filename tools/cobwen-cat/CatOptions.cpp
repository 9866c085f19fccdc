#include "tools/cobwen-cat/CatOptions.h"

#include <charconv>
#include <string_view>

namespace cobwen::cat {
namespace {

int ParseLanguage(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // The archive keeps the language in a byte.
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 255) {
        throw UsageError("--language needs a number from 0 to 255, not \"" + std::string(text) +
                         "\"");
    }
    return value;
}

} // namespace

CatOptions ParseOptions(int argc, const char* const* argv) {
    CatOptions options;
    bool haveFile = false;
    constexpr std::string_view languagePrefix = "--language=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--language") {
            if (i + 1 >= argc) {
                throw UsageError("--language needs a value");
            }
            options.language = ParseLanguage(argv[++i]);
        } else if (arg.starts_with(languagePrefix)) {
            options.language = ParseLanguage(arg.substr(languagePrefix.size()));
        } else if (arg.size() > 1 && arg.front() == '-') {
            throw UsageError("unknown option " + std::string(arg));
        } else if (haveFile) {
            throw UsageError("only one catalogue file can be read at a time");
        } else {
            options.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile && !options.help) {
        throw UsageError("no catalogue file given");
    }
    return options;
}

const char* UsageText() {
    return "usage: cobwen-cat [--language N] FILE\n"
           "Reads the catalogue FILE (plugins.dat.gz) as the browser does and prints what was "
           "read\n"
           "as one JSON object (UTF-8).\n"
           "  --language N  1 (default) takes the Russian descriptions and authors, any other\n"
           "                value the English ones\n"
           "Exit status: 0 when every line became a record, 1 when the catalogue could not be\n"
           "read completely (the JSON's \"result\" tells how), 2 for a usage error, 3 for an\n"
           "unexpected failure.\n";
}

} // namespace cobwen::cat
