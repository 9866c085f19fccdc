#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// The status text after the local catalogue was loaded at a showing (`result` -1: no file).
enum class ShowStatus {
    CatalogueDate, // it loaded whole: panel 1 shows its date, nothing counts as new
    EmptyOrBad, // "Файл базы плагинов пуст или имеет некорректный формат."
    CannotLoad, // "Невозможно загрузить список плагинов." (the records read are shown)
};
ShowStatus StatusAfterShowLoad(int result);

// How a loaded catalogue is taken by LoadCatalogue.
enum class LoadReaction {
    Refuse,          // empty or unreadable: an error, nothing else changes
    Take,            // the new records are listed
    TakeWithWarning, // partly read: a warning first, then as Take
};
LoadReaction ReactionToLoad(int result, bool warn);

// What becomes of a downloaded catalogue once it was loaded.
enum class DownloadFate {
    Replace, // it loaded whole: it replaces the local copy
    Discard, // anything else: the local copy is loaded again and the download deleted
};
DownloadFate FateOfDownload(int loadResult);

// The downloaded file: the destination folder with a trailing backslash and the transfer's name.
std::wstring DownloadedFile(std::wstring_view destFolder, std::wstring_view transferName);

} // namespace cobwen
