#include "browser/app/templates/core/InfoTemplate.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/templates/tests/core/SampleRecord.h"

#include <gtest/gtest.h>
#include <set>

namespace cobwen {
namespace {

class InfoTemplateTest : public ::testing::Test {
protected:
    std::string Expand(std::string_view infoTemplate) const {
        return Cp1251ToUtf8(ExpandTemplate(infoTemplate, record_, locale_));
    }

    BuiltinRussianLocale locale_;
    TCobwenData record_ = test::SampleRecord();
};

TEST_F(InfoTemplateTest, FillsEveryPlaceholder) {
    const struct {
        const char* infoTemplate;
        const char* expected; // UTF-8
    } cases[] = {
        {"%Name", "Sentry Tools"},
        {"%Category", "Система"},
        {"%Description", "Shows services & drivers.\r\nSee the manual."},
        {"%URL", "http://cobwen.example/downld/files/sentry.rar"},
        {"%Size", "1234567"},
        {"%Date", "05.03.2004"},
        {"%Ver", "1.2"},
        {"%Author", "Иван Петров"},
        {"%EMail", "ivan.petrov@example.org"},
        {"%HomePage", "http://petrov.example.org/"},
        {"%UlvarVer", "1.70"},
        {"%SrcLang", "C/C++"},
        {"%WinVer", "Windows NT/2000/XP"},
        {"%Name (%Category)", "Sentry Tools (Система)"},
        {"%Name\r\n%Ver\r\n", "Sentry Tools\r\n1.2\r\n"},
        {"%Name%Ver", "Sentry Tools1.2"},
        {"no placeholders at all", "no placeholders at all"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Expand(c.infoTemplate), c.expected) << c.infoTemplate;
    }
}

TEST_F(InfoTemplateTest, ReadsWholeWordsAfterThePercentSign) {
    const struct {
        const char* infoTemplate;
        const char* expected; // UTF-8
    } cases[] = {
        {"%name", "Sentry Tools"},
        {"%NAME", "Sentry Tools"},
        {"%nAmE", "Sentry Tools"},
        {"%winver %SRCLANG %homepage", "Windows NT/2000/XP C/C++ http://petrov.example.org/"},
        {"[%Version]", "[]"},
        {"%Ver.", "1.2."},
        {"%Name1", "Sentry Tools1"},
        {"%Ver_2", "1.2_2"},
        {"%NameX", ""},
        {"a %Unknown b", "a  b"},
        {"100% of %Size", "100% of 1234567"},
        {"50%", "50%"},
        {"%", "%"},
        {"%%Name", "%Sentry Tools"},
        {"% Name", "% Name"},
        {"%1Name", "%1Name"},
        {"%Имя %Name", "%Имя Sentry Tools"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Expand(Utf8ToCp1251(c.infoTemplate)), c.expected) << c.infoTemplate;
    }
}

TEST_F(InfoTemplateTest, InsertsValuesWithoutSearchingThemAgain) {
    record_.Description = "Replaces %Name with %URL";
    record_.Name = "100%Size";
    EXPECT_EQ(Expand("%Description / %Name"), "Replaces %Name with %URL / 100%Size");
}

TEST_F(InfoTemplateTest, FormatsDatesAndSizes) {
    record_.Date = 0;
    record_.Size = 0;
    EXPECT_EQ(Expand("%Date %Size"), "30.12.1899 0");
    record_.Date = *EncodeDate(2021, 11, 28) + 0.75;
    record_.Size = 2147483647;
    EXPECT_EQ(Expand("%Date %Size"), "28.11.2021 2147483647");
}

TEST_F(InfoTemplateTest, DecodesFields) {
    record_.Description = "Get <a href=\"http://example.org/x.rar\">the archive</a> here";
    record_.EMail = "bare@example.org";
    record_.SrcLanguage = "c";
    record_.WindowsVersion = "";
    EXPECT_EQ(Expand("%Description|%EMail|%SrcLang|%WinVer"),
              "Get the archive here|bare@example.org|Нет данных|Windows ");
}

TEST_F(InfoTemplateTest, PlaceholderValueComparesTheWholeToken) {
    EXPECT_EQ(PlaceholderValue("%ULVARVER", record_, locale_), "1.70");
    EXPECT_EQ(PlaceholderValue("%ver", record_, locale_), "1.2");
    EXPECT_EQ(PlaceholderValue("Name", record_, locale_), "");
    EXPECT_EQ(PlaceholderValue("%Nam", record_, locale_), "");
    EXPECT_EQ(PlaceholderValue("%Name ", record_, locale_), "");
    EXPECT_EQ(PlaceholderValue("", record_, locale_), "");
}

TEST(PlaceholderDescriptions, ListEveryPlaceholderWithItsRussianText) {
    const struct {
        const char* placeholder;
        const char* description; // UTF-8
    } expected[] = {
        {"%Name", "наименование плагина"},
        {"%Category", "категория"},
        {"%Description", "описание"},
        {"%URL", "ссылка на архив"},
        {"%Size", "размер архива"},
        {"%Date", "дата выхода"},
        {"%Ver", "версия плагина"},
        {"%Author", "имя автора"},
        {"%EMail", "e-mail автора"},
        {"%HomePage", "URL автора"},
        {"%UlvarVer", "версия Ulvar"},
        {"%SrcLang", "язык программирования"},
        {"%WinVer", "поддерживаемые версии Windows"},
    };
    ASSERT_EQ(PlaceholderDescriptions.size(), std::size(expected));
    const BuiltinRussianLocale locale;
    const TCobwenData record = test::SampleRecord();
    std::set<std::string> values;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_STREQ(PlaceholderDescriptions[i].placeholder, expected[i].placeholder);
        EXPECT_EQ(Cp1251ToUtf8(PlaceholderDescriptions[i].description), expected[i].description);
        // Each listed placeholder is one the expansion knows, each for a field of its own.
        values.insert(PlaceholderValue(PlaceholderDescriptions[i].placeholder, record, locale));
    }
    EXPECT_EQ(values.size(), std::size(expected));
    EXPECT_EQ(values.count(""), 0u);
}

} // namespace
} // namespace cobwen
