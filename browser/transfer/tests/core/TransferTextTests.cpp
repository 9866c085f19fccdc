#include "browser/transfer/core/TransferMessages.h"
#include "browser/transfer/core/TransferText.h"

#include "browser/catalogue/core/Cp1251.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(TransferText, MessagesReadAsTheirRussianTexts) {
    EXPECT_EQ(Cp1251ToUtf8(MsgErrorCode.Text), "Код ошибки: ");
    EXPECT_EQ(Cp1251ToUtf8(MsgConnectionError.Text), "Ошибка соединения\r");
    EXPECT_EQ(Cp1251ToUtf8(FillMessage(MsgCannotCreateFile.Text, "C:\\a.zip")),
              "Невозможно создать файл C:\\a.zip");
    EXPECT_EQ(Cp1251ToUtf8(FillMessage(MsgCannotCreateFolder.Text, "C:\\sub")),
              "Невозможно создать каталог C:\\sub");
    EXPECT_EQ(Cp1251ToUtf8(FillMessage(MsgOverwriteQuery.Text, "a.zip")),
              "Файл a.zip существует. Перезаписать его ?");
    EXPECT_EQ(MsgErrorCode.Number, 65216u);
    EXPECT_EQ(MsgOverwriteQuery.Number, 65220u);
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
