#include "browser/app/main/win/ListFonts.h"

#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"

#include <string>

namespace cobwen {

COLORREF ToColorRef(std::uint32_t colour) {
    if (colour & SystemColourFlag)
        return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour;
}

HFONT CreateSettingsFont(const FontSettings& font) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(font.Size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    const std::wstring face = win32::ToWide(font.Name, BrowserCodePage);
    return CreateFontW(height, 0, 0, 0, font.Bold() ? FW_BOLD : FW_NORMAL, font.Italic(),
                       font.Underline(), font.StrikeOut(), static_cast<DWORD>(font.Charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.empty() ? L"Tahoma" : face.c_str());
}

CellColours ListCellColours(const std::optional<std::uint32_t>& background,
                            const FontSettings& font, bool selected) {
    CellColours colours;
    if (background)
        colours.Background = ToColorRef(*background);
    if (!selected)
        colours.Text = ToColorRef(font.Color);
    return colours;
}

} // namespace cobwen
