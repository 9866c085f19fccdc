#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/FieldDecoding.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(HtmlToText, DecodesTheFragment) {
    struct Case {
        const char* html;
        const char* text;
    };
    const Case cases[] = {
        {"one<br>two", "one\r\ntwo"},
        {"&lt;br&gt;", "<br>"},              // an escaped line break stays as the tag text
        {"&lt;b&gt;bold&lt;/b&gt;", "bold"}, // an escaped bold tag disappears
        {"a &amp; b", "a & b"},
        {"<b>B</b><i>I</i><u>U</u><code>C</code>", "BIUC"},
        {"see <a href=\"http://x/y\">the page</a>.", "see the page."},
        {"<a href=\"1\">one</a> and <a href=\"2\">two</a>", "one and two"},
        {"\">early <a href=\"x\">link</a>", "\">early <a href=\"x\">link"}, // pair before anchor
        {"<a href=\"never closed", "<a href=\"never closed"},
        {"<a href=x>unquoted</a>", "<a href=x>unquoted"},
        {"<B>other case</B> &nbsp;", "<B>other case</B> &nbsp;"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HtmlToText(c.html), c.text) << c.html;
    }
}

TEST(EMailAddress, TakesTheAddressInAngleBrackets) {
    struct Case {
        const char* email;
        const char* address;
    };
    const Case cases[] = {
        {"Ivan Petrov <ivan@host.ru>", "ivan@host.ru"},
        {"ivan@host.ru", "ivan@host.ru"},
        {"Name <open@host", "open@host"},
        {"<a@b> trailing", "a@b"},
        {"x <<a@b>>", "<a@b"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EMailAddress(c.email), c.address) << c.email;
    }
}

TEST(SrcLanguageName, NamesTheFirstCodeLetter) {
    struct Case {
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        {"#", "C#"},
        {"A", "Assembler"},
        {"C", "C/C++"},
        {"Cx", "C/C++"},
        {"D", "Ada"},
        {"M", "Modula"},
        {"P", "Delphi/Virtual Pascal"},
        {"V", "Visual Basic/JavaScript"},
        {"c", "Нет данных"},
        {"", "Нет данных"},
        {"Z", "Нет данных"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251ToUtf8(SrcLanguageName(c.code)), c.name) << c.code;
    }
}

TEST(WindowsVersionText, ListsTheRowsSharingABit) {
    struct Case {
        const char* flags;
        std::uint32_t bits;
        const char* text;
    };
    const Case cases[] = {
        {"1", 0x01, "Windows 9x"},
        {"001", 0x04, "Windows NT/2000"},
        {"0100", 0x02, "Windows 9x/2000"},
        {"0001", 0x08, "Windows "}, // no row uses bit 3
        {"", 0, "Windows "},
        {"11111111", 0xFF, "Windows 9x/NT/2000/XP/2003/Vista/x64"},
        {"00001", 0x10, "Windows XP"},
        {"0000000001", 0x200, "Windows "},
        {"1x1", 0x01, "Windows 9x"}, // read from the end, stopping at the first non-flag
        {"11x", 0, "Windows "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitString(c.flags), c.bits) << c.flags;
        EXPECT_EQ(WindowsVersionText(c.flags), c.text) << c.flags;
    }
}

TEST(WindowsVersions, RowsInFilterOrder) {
    ASSERT_EQ(WindowsVersions.size(), 7u);
    EXPECT_EQ(WindowsVersions[2].mask, 0x06);
    EXPECT_STREQ(WindowsVersions[2].name, "2000");
    EXPECT_STREQ(WindowsVersions[6].name, "x64");
}

} // namespace
} // namespace cobwen
