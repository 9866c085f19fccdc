#pragma once

#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/win/ErrorDialog.h"

#include <string>

namespace cobwen {

class TextLocale;

// The settings that decide what is written beside a downloaded archive.
struct DownloadDescriptionSettings {
    bool CreateDescriptIon = true;
    bool CreateTextDescriptFile = false;
    std::string DescriptionFile = "Descript.ion";
    std::string DescriptIonFormat = "%Name (%Category)";
};

// Describes the archive fetched from `url` into `destFolder`, after a download that succeeded,
// with the record found for it. The name is the URL's last part, also when the archive itself was
// stored in a sub-folder; both files lie in `destFolder` itself.
//
// - CreateDescriptIon: the archive's line in the description file DescriptionFile, with
//   DescriptIonFormat filled for the record. Failures are ignored; the file keeps its content.
// - CreateTextDescriptFile: the file named after the archive with ".txt" appended, replaced if it
//   exists, holding the same text wrapped at 70 characters (ANSI, no line break at the end). When
//   it cannot be written, `dialog` shows message 65185 with the path and the system's message.
void DescribeDownload(const std::string& destFolder, const std::string& url,
                      const TCobwenData& record, const DownloadDescriptionSettings& settings,
                      const TextLocale& locale, ErrorDialog& dialog);
// The same with the error message box.
void DescribeDownload(const std::string& destFolder, const std::string& url,
                      const TCobwenData& record, const DownloadDescriptionSettings& settings,
                      const TextLocale& locale);

} // namespace cobwen
