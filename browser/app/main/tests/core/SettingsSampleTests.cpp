#include "browser/app/main/core/SettingsSample.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

// A catalogue of `count` records named "p0", "p1", ... with descriptions "d0", "d1", ... (in
// Russian)
std::string CatalogueText(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> fields(TCobwenArchive::FieldCount);
        fields[0] = std::to_string(100 + i);
        fields[2] = "p" + std::to_string(i);
        fields[3] = "Cat";
        fields[4] = "d" + std::to_string(i);
        fields[6] = "p" + std::to_string(i) + ".zip";
        fields[7] = std::to_string(10 * (i + 1));
        fields[12] = "1." + std::to_string(i);
        fields[13] = "01.02.2003";
        for (std::size_t f = 0; f < fields.size(); ++f)
            text +=
                (f ? std::string(1, TCobwenArchive::FieldSeparator) : std::string()) + fields[f];
        text += "\r\n";
    }
    return text;
}

TEST(SettingsSample, TheTwoSamplesThenTheFirstThreeRecords) {
    BuiltinRussianLocale locale;
    const DateTime today = *EncodeDate(2026, 3, 1);
    struct Case {
        int records;
        std::vector<std::string> names;
    };
    const std::string newName = Utf8ToCp1251("Новый плагин");
    const std::string downloadedName = Utf8ToCp1251("Закачанный плагин");
    for (const Case& c :
         {Case{0, {newName, downloadedName}}, Case{2, {newName, downloadedName, "p0", "p1"}},
          Case{10, {newName, downloadedName, "p0", "p1", "p2"}}}) {
        SCOPED_TRACE(c.records);
        TCobwenArchive archive(locale);
        if (c.records) {
            ASSERT_EQ(archive.LoadFromText(CatalogueText(c.records)), LoadOk);
        }
        const std::vector<SampleRow> rows = BuildSampleRows(archive, today);
        std::vector<std::string> names;
        for (const SampleRow& row : rows)
            names.push_back(row.Data.Name);
        EXPECT_EQ(names, c.names);
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(rows[0].Kind, SampleKind::NewPlugin);
        EXPECT_EQ(rows[0].Data.Version, "1.0");
        EXPECT_EQ(rows[0].Data.Category, "Utils");
        EXPECT_EQ(rows[0].Data.Date, today);
        EXPECT_EQ(rows[0].Data.Size, 1024);
        EXPECT_EQ(rows[1].Kind, SampleKind::DownloadedPlugin);
        EXPECT_EQ(rows[1].Data.Version, "2.0");
        EXPECT_EQ(rows[1].Data.Category, "Editor");
        EXPECT_EQ(rows[1].Data.Date, today - 1);
        EXPECT_EQ(rows[1].Data.Size, 2048);
        for (std::size_t i = 2; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].Kind, SampleKind::Record);
            EXPECT_EQ(rows[i].Data.Version, "1." + std::to_string(i - 2));
            EXPECT_EQ(rows[i].Data.Size, static_cast<std::int32_t>(10 * (i - 1)));
        }
    }
}

TEST(SettingsSample, PreviewsOfTheSamplesAreFixedAndOfRecordsTheTrimmedTemplate) {
    BuiltinRussianLocale locale;
    TCobwenArchive archive(locale);
    archive.Language = 1;
    ASSERT_EQ(archive.LoadFromText(CatalogueText(1)), LoadOk);
    const std::vector<SampleRow> rows = BuildSampleRows(archive, *EncodeDate(2026, 3, 1));
    ASSERT_EQ(rows.size(), 3u);
    const std::string format = " \r\n%Name: %Description\r\n";
    EXPECT_EQ(SamplePreviewText(rows[0], format, locale).rfind(Utf8ToCp1251("Созерцание"), 0), 0u);
    EXPECT_EQ(SamplePreviewText(rows[1], format, locale).rfind(Utf8ToCp1251("Отношение"), 0), 0u);
    EXPECT_EQ(SamplePreviewText(rows[1], format, locale).back(), '.');
    EXPECT_EQ(SamplePreviewText(rows[2], format, locale), "p0: d0");
    EXPECT_EQ(SamplePreviewText(rows[2], "", locale), "");
}

TEST(SettingsSample, ColoursFollowTheSampleKindAndTheStripedToggle) {
    ViewSettings view;
    view.ColorList = 0x111111;
    view.ColorOdd = 0x222222;
    view.ColorNew = 0x333333;
    view.ColorDownloaded = 0x444444;
    constexpr std::optional<std::uint32_t> Own; // the list's own colour
    struct Case {
        SampleKind kind;
        int row;
        int column;
        bool striped;
        bool preview;
        std::optional<std::uint32_t> cell;
    };
    const SampleKind New = SampleKind::NewPlugin;
    const SampleKind Downloaded = SampleKind::DownloadedPlugin;
    const SampleKind Record = SampleKind::Record;
    for (const Case& c : {
             Case{New, 0, 1, false, false, 0x333333u},
             Case{New, 1, 0, true, true, 0x333333u},
             Case{Downloaded, 1, 1, false, true, 0x444444u},
             Case{Downloaded, 1, 1, true, false, 0x444444u},
             // The toggle up: every second column.
             Case{Record, 2, 0, false, false, Own},
             Case{Record, 2, 1, false, false, 0x222222u},
             Case{Record, 3, 3, false, true, 0x222222u},
             // The toggle down: every second row, while the preview is off.
             Case{Record, 3, 1, true, false, 0x111111u},
             Case{Record, 2, 1, true, false, Own},
             Case{Record, 3, 1, true, true, Own},
         }) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.kind) << " row " << c.row << " column " << c.column
                     << " striped " << c.striped << " preview " << c.preview);
        view.StripedRow = c.striped;
        EXPECT_EQ(SampleCellColour(c.kind, c.row, c.column, false, view, c.preview), c.cell);
        EXPECT_EQ(SampleCellColour(c.kind, c.row, c.column, true, view, c.preview), Own);
    }
    EXPECT_EQ(SamplePreviewColour(New, false, view), 0x333333u);
    EXPECT_EQ(SamplePreviewColour(Downloaded, false, view), 0x444444u);
    EXPECT_EQ(SamplePreviewColour(Record, false, view), 0x111111u);
    EXPECT_EQ(SamplePreviewColour(Record, true, view), Own);
}

} // namespace
} // namespace cobwen
