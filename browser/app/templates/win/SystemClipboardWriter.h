#pragma once

#include "browser/app/templates/core/InfoCommands.h"

namespace cobwen {

// The clipboard writer of the copy commands: CopyTextRussianLocale, or CopyTextUnicode when the
// setting UseOtherCopy is on.
class SystemClipboardWriter final : public ClipboardWriter {
public:
    explicit SystemClipboardWriter(bool useOtherCopy) : useOtherCopy_(useOtherCopy) {}
    bool Write(const std::string& text) override;

private:
    bool useOtherCopy_;
};

} // namespace cobwen
