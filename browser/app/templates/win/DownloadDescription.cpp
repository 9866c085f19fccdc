#include "browser/app/templates/win/DownloadDescription.h"

#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/catalogue/core/BrowserMessages.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/UrlHelpers.h"
#include "browser/catalogue/win/Description.h"
#include "browser/catalogue/win/SystemError.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <exception>
#include <windows.h>

namespace cobwen {

namespace {

constexpr std::size_t TextFileWidth = 70;

// The error that kept the file from being created or written; ERROR_SUCCESS when it was.
DWORD WriteTextFile(const std::string& path, const std::string& content) {
    const win32::KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return GetLastError();
    DWORD written = 0;
    if (content.empty())
        return ERROR_SUCCESS;
    if (!::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                     nullptr))
        return GetLastError();
    return written == content.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

} // namespace

void DescribeDownload(const std::string& destFolder, const std::string& url,
                      const TCobwenData& record, const DownloadDescriptionSettings& settings,
                      const TextLocale& locale, ErrorDialog& dialog) {
    const std::string folder = IncludeTrailingDelimiter(destFolder);
    const std::string name = UrlFileName(url);
    const std::string text = ExpandTemplate(settings.DescriptIonFormat, record, locale);

    if (settings.CreateDescriptIon) {
        try {
            TDescription description;
            description.Create(folder + settings.DescriptionFile);
            description.SetDescription(name, text, BrowserCodePage);
        } catch (const std::exception&) {
            // A download is no worse for a description line that could not be written.
        }
    }

    if (settings.CreateTextDescriptFile) {
        const std::string path = folder + name + ".txt";
        const DWORD error =
            WriteTextFile(path, win32::Recode(WrapText(text, TextFileWidth), BrowserCodePage,
                                              win32::AnsiCodePage));
        if (error != ERROR_SUCCESS) {
            const std::string format = BrowserMessageText(IDS_CANNOT_CREATE_TEXT_FILE);
            // The dialog reports the thread's last error.
            SetLastError(error);
            ShowSystemError(format, path, true, dialog);
        }
    }
}

void DescribeDownload(const std::string& destFolder, const std::string& url,
                      const TCobwenData& record, const DownloadDescriptionSettings& settings,
                      const TextLocale& locale) {
    ErrorMessageBox box;
    DescribeDownload(destFolder, url, record, settings, locale, box);
}

} // namespace cobwen
