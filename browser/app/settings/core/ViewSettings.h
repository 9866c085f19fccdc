#pragma once

#include <cstdint>
#include <string>

namespace cobwen {

// Style bits of a font.
enum FontStyleBits : std::uint8_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};
inline constexpr std::uint8_t kFontStyleMask =
    kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut;

// A colour value is 0x00BBGGRR, or a system colour: this flag with the system colour's index.
inline constexpr std::uint32_t kSystemColourFlag = 0x80000000u;
inline constexpr std::uint32_t kWindowTextColour = kSystemColourFlag | 8; // COLOR_WINDOWTEXT
inline constexpr std::int32_t kDefaultCharset = 1;
inline constexpr std::int32_t kRussianCharset = 204;

// A font as the settings keep it.
struct TFontSettings {
    std::string Name; // face name
    std::int32_t Charset = kDefaultCharset;
    std::uint32_t Color = kWindowTextColour;
    std::int32_t Size = 8;  // points
    std::uint8_t Style = 0; // FontStyleBits

    bool Bold() const { return (Style & kFontBold) != 0; }
    bool Italic() const { return (Style & kFontItalic) != 0; }
    bool Underline() const { return (Style & kFontUnderline) != 0; }
    bool StrikeOut() const { return (Style & kFontStrikeOut) != 0; }

    friend bool operator==(const TFontSettings&, const TFontSettings&) = default;
};

// The catalogue list's look.
struct ViewSettings {
    TFontSettings FontList;    // the list's rows
    TFontSettings FontPreview; // the preview text under a row
    std::uint32_t ColorList = 0;
    std::uint32_t ColorOdd = 0;
    std::uint32_t ColorNew = 0;
    std::uint32_t ColorDownloaded = 0;
    bool StripedRow = false;

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// The fonts as the main window is designed with them, before any settings are read.
TFontSettings DesignedListFont();
TFontSettings DesignedPreviewFont();

} // namespace cobwen
