// cobwen-cat: reads a catalogue file (plugins.dat.gz) the way the browser does and prints the
// result code, the value lists and every record as one JSON object on standard output.

#include "tools/cobwen-cat/CatOptions.h"
#include "tools/cobwen-cat/CatalogueJson.h"
#include "tools/cobwen-cat/LoadReport.h"

#include "browser/catalogue/core/CobwenArchive.h"

#include <cstdio>
#include <exception>
#include <string>

#ifdef _WIN32
#include "browser/catalogue/win/SystemLocale.h"
#include "win32/Text.h"

#include <fcntl.h>
#include <io.h>
#else
#include "browser/catalogue/core/TextLocale.h"
#endif

namespace {

enum ExitStatus : int { ExitOk = 0, ExitIncomplete = 1, ExitUsage = 2, ExitFailure = 3 };

void PrintError(const std::string& message) {
    std::fprintf(stderr, "cobwen-cat: %s\n", message.c_str());
}

bool WriteStdout(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

int Run(const cobwen::cat::CatOptions& options) {
#ifdef _WIN32
    // UTF-8 goes out byte for byte, without CR inserted before LF.
    _setmode(_fileno(stdout), _O_BINARY);
    const cobwen::SystemTextLocale locale(0x419);
#else
    const cobwen::BuiltinRussianLocale locale;
#endif
    cobwen::TCobwenArchive archive(locale);
    archive.Language = static_cast<std::uint8_t>(options.language);
#ifdef _WIN32
    // The command line is ANSI text; the system's file functions get the name as UTF-16.
    const int result = archive.LoadFromFile(win32::ToWide(options.file, win32::AnsiCodePage));
#else
    const int result = archive.LoadFromFile(options.file);
#endif

    std::string text = cobwen::cat::ArchiveToJson(archive, result, locale)
                           .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    text += '\n';
    if (!WriteStdout(text)) {
        PrintError("cannot write to standard output");
        return ExitFailure;
    }
    if (result == cobwen::LoadOk) {
        return ExitOk;
    }
    PrintError(cobwen::cat::LoadProblem(result, options.file, archive));
    return ExitIncomplete;
}

} // namespace

int main(int argc, char** argv) {
    try {
        cobwen::cat::CatOptions options;
        try {
            options = cobwen::cat::ParseOptions(argc, argv);
        } catch (const cobwen::cat::UsageError& e) {
            PrintError(e.what());
            std::fputs(cobwen::cat::UsageText(), stderr);
            return ExitUsage;
        }
        if (options.help) {
            std::fputs(cobwen::cat::UsageText(), stdout);
            return ExitOk;
        }
        return Run(options);
    } catch (const std::exception& e) {
        PrintError(std::string("unexpected failure: ") + e.what());
    } catch (...) {
        PrintError("unexpected failure");
    }
    return ExitFailure;
}
