#pragma once

#include <cstdint>
#include <string>

namespace cobwen {

// Style bits of a font.
enum FontStyleBits : std::uint8_t {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};
inline constexpr std::uint8_t FontStyleMask = FontBold | FontItalic | FontUnderline | FontStrikeOut;

// A colour value is 0x00BBGGRR, or a system colour: this flag with the system colour's index.
inline constexpr std::uint32_t SystemColourFlag = 0x80000000u;
inline constexpr std::uint32_t WindowTextColour = SystemColourFlag | 8; // COLOR_WINDOWTEXT
inline constexpr std::int32_t DefaultCharset = 1;
inline constexpr std::int32_t RussianCharset = 204;

// A font as the settings keep it.
struct FontSettings {
    std::string Name; // face name
    std::int32_t Charset = DefaultCharset;
    std::uint32_t Color = WindowTextColour;
    std::int32_t Size = 8;  // points
    std::uint8_t Style = 0; // FontStyleBits

    bool Bold() const { return (Style & FontBold) != 0; }
    bool Italic() const { return (Style & FontItalic) != 0; }
    bool Underline() const { return (Style & FontUnderline) != 0; }
    bool StrikeOut() const { return (Style & FontStrikeOut) != 0; }

    friend bool operator==(const FontSettings&, const FontSettings&) = default;
};

// The fonts as the main window is designed with them: the defaults of a store that has none.
FontSettings DesignedListFont();
FontSettings DesignedPreviewFont();

// The catalogue list's look. The fonts' colours are the colours of the texts they draw.
struct ViewSettings {
    FontSettings FontList = DesignedListFont();       // the list's rows
    FontSettings FontPreview = DesignedPreviewFont(); // the preview text under a row
    std::uint32_t ColorList = 0;
    std::uint32_t ColorOdd = 0;
    std::uint32_t ColorNew = 0;
    std::uint32_t ColorDownloaded = 0;
    bool StripedRow = false;

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

} // namespace cobwen
