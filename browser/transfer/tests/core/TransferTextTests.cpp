#include "browser/transfer/core/TransferText.h"

#include "browser/catalogue/core/BrowserMessages.h"
#include "browser/catalogue/core/Cp1251.h"

#include <set>

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(TransferText, MessagesReadAsTheirRussianTexts) {
    EXPECT_EQ(Cp1251ToUtf8(BrowserMessageText(65216)), "Код ошибки: ");
    EXPECT_EQ(Cp1251ToUtf8(BrowserMessageText(65217)), "Ошибка соединения\r");
    EXPECT_EQ(Cp1251ToUtf8(FillMessage(BrowserMessageText(65218), "C:\\a.zip")),
              "Невозможно создать файл C:\\a.zip");
    EXPECT_EQ(Cp1251ToUtf8(FillMessage(BrowserMessageText(65219), "C:\\sub")),
              "Невозможно создать каталог C:\\sub");
    EXPECT_EQ(Cp1251ToUtf8(FillMessage(BrowserMessageText(65220), "a.zip")),
              "Файл a.zip существует. Перезаписать его ?");
    EXPECT_EQ(Cp1251ToUtf8(ShortBodyText(5, 10)), "Соединение прервано: получено 5 из 10 байт");
    EXPECT_EQ(BrowserMessageText(65200), "") << "not a message";
}

// Numbers of the browser's string table: 65184 to 65231, each once.
TEST(TransferText, MessageNumbersAreTheBrowsersOwnEachOnce) {
    std::set<unsigned> seen;
    for (const BrowserMessage& message : BrowserMessages) {
        EXPECT_GE(message.Number, 65184u);
        EXPECT_LE(message.Number, 65231u);
        EXPECT_TRUE(seen.insert(message.Number).second) << message.Number;
        EXPECT_FALSE(message.Utf8.empty()) << message.Number;
    }
}

TEST(TransferText, FillsPlaceholdersInOrder) {
    EXPECT_EQ(FillMessage("%s of %s", {"1", "2"}), "1 of 2");
    EXPECT_EQ(FillMessage("%s of %s", {"%s"}), "%s of %s");
    EXPECT_EQ(FillMessage("100%", {"x"}), "100%");
}

TEST(TransferText, FillsOnlyTheFirstPlaceholder) {
    EXPECT_EQ(FillMessage("%s and %s", "x%s"), "x%s and %s");
    EXPECT_EQ(FillMessage("none", "x"), "none");
}

TEST(TransferText, FailureTexts) {
    EXPECT_EQ(Cp1251ToUtf8(ConnectionErrorText(SystemFailureText("Timeout\r\n", 12002))),
              "Ошибка соединения\rTimeout\r\nКод ошибки: 12002");
    EXPECT_EQ(HttpStatusText(404, "Not Found"), "404 Not Found");
    EXPECT_EQ(HttpStatusText(500, ""), "500");
    EXPECT_FALSE(IsFailureStatus(399));
    EXPECT_TRUE(IsFailureStatus(400));
}

} // namespace
} // namespace cobwen
