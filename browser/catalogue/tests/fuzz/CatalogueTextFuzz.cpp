// The catalogue lines as the site sends them, after decompression: every record, its value lists
// and the search by file name.
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/core/UrlHelpers.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cobwen::BuiltinRussianLocale locale;
    cobwen::TCobwenArchive archive(locale);
    archive.Language = size > 0 && data[0] % 2 ? 1 : 0;
    const int result = archive.LoadFromText(std::string(testsupport::fuzz::Text(data, size)));
    if (result < cobwen::LoadOk || result > cobwen::LoadSkippedLines)
        std::abort();
    if (archive.Count() > cobwen::TCobwenArchive::MaxCount)
        std::abort();
    for (int i = 0; i < archive.Count(); ++i) {
        const cobwen::TCobwenData* record = archive.GetItem(i);
        if (record == nullptr)
            std::abort();
        // Every record is found by its own archive's file name.
        const std::string name = cobwen::UrlFileName(record->URL);
        if (!name.empty() && archive.FindByFileName(name) == nullptr)
            std::abort();
    }
    archive.CatalogueDate();
    return 0;
}
