#include "browser/app/templates/core/InfoCommands.h"

#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/catalogue/core/FieldDecoding.h"
#include "browser/catalogue/core/Trim.h"
#include "browser/catalogue/core/UrlHelpers.h"

namespace cobwen {
namespace {

const TCobwenData* FirstSelected(const RecordSelection& list) {
    if (list.SelectedCount() == 0) {
        return nullptr;
    }
    const std::vector<const TCobwenData*> records = list.SelectedRecords();
    return records.empty() ? nullptr : records.front();
}

} // namespace

std::optional<std::string> PluginInfoText(const RecordSelection& list,
                                          const CopyInfoSettings& settings,
                                          const TextLocale& locale) {
    const std::size_t count = list.SelectedCount();
    if (count == 0) {
        return std::nullopt;
    }
    const TCobwenData* focused = list.FocusedRecord();
    if ((count == 1 || !settings.CopyAllSelectedToClipboard) && focused != nullptr) {
        return ExpandTemplate(settings.CopyPluginInfoFormat, *focused, locale);
    }
    if (count > 1 || settings.CopyAllSelectedToClipboard) {
        std::string text;
        for (const TCobwenData* record : list.SelectedRecords()) {
            text += ExpandTemplate(settings.CopyPluginInfoFormat, *record, locale);
            text += '\r';
        }
        return std::string(TrimBlanks(text));
    }
    return std::string();
}

std::optional<std::string> AuthorMailLink(const TCobwenData& record) {
    const std::string address = EMailAddress(record.EMail);
    if (address.find('@', 1) == std::string::npos) {
        return std::nullopt;
    }
    return "mailto:" + UrlEncode(address);
}

std::optional<std::string> AuthorPageLink(const TCobwenData& record) {
    if (record.HomePage == "-" || record.HomePage.size() < 11) {
        return std::nullopt;
    }
    return record.HomePage;
}

void CopyPluginInfo(const RecordSelection& list, const CopyInfoSettings& settings,
                    const TextLocale& locale, ClipboardWriter& clipboard) {
    if (const auto text = PluginInfoText(list, settings, locale)) {
        clipboard.Write(*text);
    }
}

void SendEMailToAuthor(const RecordSelection& list, ShellOpener& shell) {
    const TCobwenData* record = FirstSelected(list);
    if (record == nullptr) {
        return;
    }
    if (const auto link = AuthorMailLink(*record)) {
        shell.Open(*link);
    }
}

void GotoAuthorPage(const RecordSelection& list, ShellOpener& shell) {
    const TCobwenData* record = FirstSelected(list);
    if (record == nullptr) {
        return;
    }
    if (const auto link = AuthorPageLink(*record)) {
        shell.Open(*link);
    }
}

} // namespace cobwen
