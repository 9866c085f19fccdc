#include "browser/app/settings/core/IniPath.h"
#include "browser/app/settings/core/IniText.h"

#include <gtest/gtest.h>
#include <vector>

namespace cobwen {
namespace {

std::string Visible(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 ? "<" + std::to_string(byte) + ">" : std::string(1, c);
    }
    return shown;
}

TEST(IniText, EncodesWhatAnIniValueWouldLoseAndReadsItBack) {
    const std::vector<std::string> texts = {
        "a\r\nb",
        "\r\n",
        "%Name\r\n%URL\r\n",
        "first\nsecond\rthird",
        "C:\\dir\\\r\nnext", // backslashes next to a line break
        "\\r and \\n\r\n",   // the escapes' own spelling in the text
        std::string("a\0b", 3),
        "  leading",
        "trailing ",
        "\ttab",
        "\xA0no-break", // the no-break space of code page 1251
        "\"quoted\"",
        "'single'",
        "\"open",
        "close'",
        "\x01", // the marker alone
        "\x01starts with the marker\x01",
    };
    for (const auto& text : texts) {
        const std::string stored = EncodeIniText(text);
        SCOPED_TRACE(Visible(text) + " stored as " + Visible(stored));
        EXPECT_NE(stored, text);
        EXPECT_EQ(stored.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
        EXPECT_EQ(stored.front(), '\x01');
        EXPECT_EQ(stored.back(), '\x01');
        EXPECT_EQ(DecodeIniText(stored), text);
    }
}

TEST(IniText, StoresAndReadsPlainTextsAsTheyAre) {
    // Texts an earlier run wrote verbatim must read back unchanged, whatever they hold.
    const std::vector<std::string> texts = {
        "",
        "%Name (%Category)",
        "C:\\Downloads\\",
        "\\\\server\\share",
        "a\\nb",
        "x\x01y",
        "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE8", // "Загрузки"
        "mid \"quotes\" inside",
        "1",
    };
    for (const auto& text : texts) {
        EXPECT_EQ(EncodeIniText(text), text) << Visible(text);
        EXPECT_EQ(DecodeIniText(text), text) << Visible(text);
    }
}

TEST(IniText, KeepsWhatIsNotAnEscapeOfTheEncoding) {
    EXPECT_EQ(DecodeIniText("\x01"
                            "a\\qb\\\x01"),
              "a\\qb\\");
    EXPECT_EQ(DecodeIniText("\x01"
                            "only at the start"),
              "\x01only at the start");
    EXPECT_EQ(DecodeIniText("\x01\x01"), "");
}

TEST(IniText, HexRoundTripsEveryByteAndRejectsWhatIsNotHex) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    const std::string hex = EncodeHex(bytes);
    EXPECT_EQ(hex.substr(0, 8), "00010203");
    EXPECT_EQ(hex.substr(hex.size() - 4), "FEFF");
    EXPECT_EQ(DecodeHex(hex), bytes);
    EXPECT_EQ(DecodeHex("0aFf"), std::string("\x0A\xFF"));
    EXPECT_EQ(DecodeHex(""), std::string());
    EXPECT_EQ(DecodeHex("ABC"), std::nullopt);
    EXPECT_EQ(DecodeHex("0G"), std::nullopt);
}

TEST(IniPath, ReplacesTheProgramsExtension) {
    struct Case {
        const char* program;
        const char* ini;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Cobwen\\cobwen.exe", "C:\\Program Files\\Cobwen\\cobwen.ini"},
        {"C:\\Tools.v2\\cobwen", "C:\\Tools.v2\\cobwen.ini"},
        {"C:\\a\\cobwen.old.exe", "C:\\a\\cobwen.old.ini"},
        {"cobwen.exe", "cobwen.ini"},
        {"D:cobwen.EXE", "D:cobwen.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniPathForProgram(c.program), c.ini);
}

} // namespace
} // namespace cobwen
