#include "browser/app/main/win/SettingsFormDialogs.h"

#include "browser/app/main/win/ListFonts.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Com.h"
#include "win32/Text.h"

#include <commdlg.h>
#include <shlobj.h>

namespace cobwen {

namespace {

int CALLBACK SelectStartFolder(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

} // namespace

std::optional<FontSettings> SystemSettingsFormDialogs::AskFont(HWND owner,
                                                               const FontSettings& current) {
    LOGFONTW font{};
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(current.Size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWeight = current.Bold() ? FW_BOLD : FW_NORMAL;
    font.lfItalic = current.Italic();
    font.lfUnderline = current.Underline();
    font.lfStrikeOut = current.StrikeOut();
    font.lfCharSet = static_cast<BYTE>(current.Charset);
    const std::wstring face = win32::ToWide(current.Name, BrowserCodePage);
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);

    CHOOSEFONTW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.lpLogFont = &font;
    choice.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    choice.rgbColors = ToColorRef(current.Color);
    if (!ChooseFontW(&choice))
        return std::nullopt;
    FontSettings chosen;
    chosen.Name = win32::FromWide(font.lfFaceName, BrowserCodePage);
    chosen.Charset = font.lfCharSet;
    chosen.Color = choice.rgbColors;
    chosen.Size = (choice.iPointSize + 5) / 10;
    chosen.Style = static_cast<std::uint8_t>(
        (font.lfWeight >= FW_BOLD ? FontBold : 0) | (font.lfItalic ? FontItalic : 0) |
        (font.lfUnderline ? FontUnderline : 0) | (font.lfStrikeOut ? FontStrikeOut : 0));
    return chosen;
}

std::optional<std::uint32_t> SystemSettingsFormDialogs::AskColour(HWND owner,
                                                                  std::uint32_t current) {
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.rgbResult = ToColorRef(current);
    choice.lpCustColors = customColours_;
    choice.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (!ChooseColorW(&choice))
        return std::nullopt;
    return choice.rgbResult;
}

std::optional<std::string>
SystemSettingsFormDialogs::BrowseForFolder(HWND owner, const std::string& title,
                                           const std::string& startFolder) {
    const win32::ComSession com;
    const std::wstring caption = win32::ToWide(title, BrowserCodePage);
    const std::wstring start = win32::ToWide(startFolder, BrowserCodePage);
    const DWORD attributes =
        start.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(start.c_str());
    const bool startExists =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);

    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = caption.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = SelectStartFolder;
    browse.lParam = startExists ? reinterpret_cast<LPARAM>(start.c_str()) : 0;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen)
        return std::nullopt;
    wchar_t path[MAX_PATH * 4]{};
    const bool named = SHGetPathFromIDListEx(chosen, path, static_cast<DWORD>(std::size(path)), 0);
    CoTaskMemFree(chosen);
    if (!named)
        return std::nullopt;
    return win32::FromWide(path, BrowserCodePage);
}

} // namespace cobwen
