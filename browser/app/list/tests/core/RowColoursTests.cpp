#include "browser/app/list/core/RowColours.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

constexpr std::uint32_t Downloaded = 0xD8D8D8, New = 0xD8FFFF, Odd = 0xF2FFFF, List = 0xF2F2F2;

struct Cell {
    const char* what;
    bool downloaded;
    const char* stamp;
    int row, column;
    bool selected, transfer, striped, preview;
    std::optional<std::uint32_t> colour;
};

TEST(CellColour, MarksDownloadedAndNewPluginsAndStripes) {
    const Cell cases[] = {
        {"downloaded and new", true, "20040302", 0, 0, false, false, false, false, Downloaded},
        {"new", false, "20040302", 0, 0, false, false, false, false, New},
        {"new in an odd column", false, "20040302", 0, 1, false, false, false, false, New},
        {"stamp equal to the previous newest", false, "20040301", 0, 0, false, false, false, false,
         std::nullopt},
        {"stamp compared byte-wise", false, "2004030", 0, 0, false, false, false, false,
         std::nullopt},
        {"column 1", false, "20040301", 0, 1, false, false, false, false, Odd},
        {"column 2", false, "20040301", 1, 2, false, false, false, false, std::nullopt},
        {"column 3", false, "20040301", 1, 3, false, false, false, false, Odd},
        {"striped row 1", false, "20040301", 1, 1, false, false, true, false, List},
        {"striped row 2", false, "20040301", 2, 1, false, false, true, false, std::nullopt},
        {"striped with preview", false, "20040301", 1, 0, false, false, true, true, std::nullopt},
        {"columns stripe also with preview", false, "20040301", 1, 1, false, false, false, true,
         Odd},
        {"selected", true, "20040302", 1, 1, true, false, false, false, std::nullopt},
        {"while a transfer runs", true, "20040302", 1, 1, false, true, false, false, std::nullopt},
        {"striped row while a transfer runs", false, "20040301", 1, 1, false, true, true, false,
         std::nullopt},
    };
    ViewSettings view;
    view.ColorDownloaded = Downloaded;
    view.ColorNew = New;
    view.ColorOdd = Odd;
    view.ColorList = List;
    for (const auto& c : cases) {
        TCobwenData record = test::Record("A");
        record.Id = 17;
        record.Stamp = c.stamp;
        TMCIntegerList downloaded;
        downloaded.Add(3);
        if (c.downloaded) {
            downloaded.Add(17);
        }
        view.StripedRow = c.striped;
        const RowColourContext context{view, downloaded, "20040301", c.transfer, c.preview};
        EXPECT_EQ(CellColour(&record, c.row, c.column, c.selected, context), c.colour) << c.what;
    }
}

TEST(PreviewColour, IsTheMarkOrTheListColour) {
    ViewSettings view;
    view.ColorDownloaded = Downloaded;
    view.ColorNew = New;
    view.ColorList = List;
    view.ColorOdd = Odd;
    TMCIntegerList downloaded;
    downloaded.Add(5);
    const RowColourContext context{view, downloaded, "20040301", false, true};
    TCobwenData record = test::Record("A");
    record.Id = 5;
    record.Stamp = "20040309";
    EXPECT_EQ(PreviewColour(&record, false, context), Downloaded);
    EXPECT_EQ(PreviewColour(&record, true, context), std::nullopt);
    record.Id = 6;
    EXPECT_EQ(PreviewColour(&record, false, context), New);
    record.Stamp = "20040101";
    EXPECT_EQ(PreviewColour(&record, false, context), List);
    EXPECT_EQ(PreviewColour(nullptr, false, context), List);
    const RowColourContext transfer{view, downloaded, "20040301", true, true};
    EXPECT_EQ(PreviewColour(&record, false, transfer), std::nullopt);
}

} // namespace
} // namespace cobwen
