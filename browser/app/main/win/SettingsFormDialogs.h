#pragma once

#include "browser/app/settings/core/ViewSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <windows.h>

namespace cobwen {

// The platform's dialogs the settings dialog opens; tests answer them themselves. Each returns
// nothing when the user cancelled it. Texts are code page 1251.
class SettingsFormDialogs {
public:
    virtual ~SettingsFormDialogs() = default;
    virtual std::optional<FontSettings> AskFont(HWND owner, const FontSettings& current) = 0;
    // Any colour, the full palette open, starting at `current`.
    virtual std::optional<std::uint32_t> AskColour(HWND owner, std::uint32_t current) = 0;
    // File-system folders only, modal over `owner`, starting with `startFolder` selected when it
    // names an existing folder.
    virtual std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title,
                                                       const std::string& startFolder) = 0;
};

// The system's font, colour and folder dialogs.
class SystemSettingsFormDialogs final : public SettingsFormDialogs {
public:
    std::optional<FontSettings> AskFont(HWND owner, const FontSettings& current) override;
    std::optional<std::uint32_t> AskColour(HWND owner, std::uint32_t current) override;
    std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title,
                                               const std::string& startFolder) override;

private:
    COLORREF customColours_[16]{};
};

} // namespace cobwen
