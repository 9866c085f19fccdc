#pragma once

#include <stdexcept>
#include <string>

namespace cobwen::cat {

struct CatOptions {
    std::string file;
    // 1 reads the Russian descriptions and authors, anything else the English ones.
    int language = 1;
    bool help = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws UsageError for anything but "[--language N] FILE" or "--help".
CatOptions ParseOptions(int argc, const char* const* argv);

const char* UsageText();

} // namespace cobwen::cat
