#include "tools/cobwen-cat/LoadReport.h"

#include "browser/catalogue/core/CobwenArchive.h"

namespace cobwen::cat {

std::string LoadProblem(int result, const std::string& file, const TCobwenArchive& archive) {
    switch (result) {
    case LoadOk:
        return {};
    case LoadNoLines:
        return "cannot read " + file + ": the catalogue is empty (it holds no lines)";
    case LoadUnreadable:
        return "cannot read " + file + ": the file is missing or not a readable catalogue";
    case LoadSkippedLines: {
        const int lines = archive.LineCount();
        return file + ": " + std::to_string(lines - archive.Count()) + " of " +
               std::to_string(lines) + " lines skipped (too few fields, or beyond the " +
               std::to_string(TCobwenArchive::MaxCount) + " records an archive holds)";
    }
    default:
        return file + ": unexpected load result " + std::to_string(result);
    }
}

} // namespace cobwen::cat
