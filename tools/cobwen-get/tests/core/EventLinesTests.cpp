#include "tools/cobwen-get/EventLines.h"

#include "browser/catalogue/core/Cp1251.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(EventLines, TextsArePrintedInUtf8WithIndentedContinuations) {
    EXPECT_EQ(StartLine("http://a/x.zip"), "start http://a/x.zip\n");
    EXPECT_EQ(DoneLine(true, "u"), "done failed u\n");
    EXPECT_EQ(DoneLine(false, "u"), "done ok u\n");
    EXPECT_EQ(OverwriteLine(Utf8ToCp1251("Файл a существует. Перезаписать его ?"), false),
              "overwrite? Файл a существует. Перезаписать его ? no\n");
    EXPECT_EQ(ErrorLine(Utf8ToCp1251("Ошибка соединения\rНет связи\r\nКод ошибки: 12029")),
              "error Ошибка соединения\n  Нет связи\n  Код ошибки: 12029\n");
    EXPECT_EQ(ErrorLine("trailing\r\n"), "error trailing\n");
    EXPECT_EQ(StoppedLine(), "stopped\n");
}

TEST(EventLines, ProgressIsReportedEachTimeTheTotalPassesAStep) {
    ProgressTotal progress(2048);
    EXPECT_EQ(progress.Add(1024), std::nullopt);
    EXPECT_EQ(progress.Add(1024), "progress 2048 bytes\n");
    EXPECT_EQ(progress.Add(1000), std::nullopt);
    EXPECT_EQ(progress.Add(0), std::nullopt);
    EXPECT_EQ(progress.Add(5000), "progress 8048 bytes\n");
    EXPECT_EQ(progress.Total(), 8048);
    EXPECT_EQ(progress.Line(), "progress 8048 bytes\n");
}

} // namespace
} // namespace cobwen
