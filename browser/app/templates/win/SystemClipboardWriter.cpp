#include "browser/app/templates/win/SystemClipboardWriter.h"

#include "browser/catalogue/win/Clipboard.h"

namespace cobwen {

bool SystemClipboardWriter::Write(const std::string& text) {
    return useOtherCopy_ ? CopyTextUnicode(text) : CopyTextRussianLocale(text);
}

} // namespace cobwen
