#include "browser/app/listview/tests/win/RowListFixture.h"

#include <algorithm>
#include <commctrl.h>
#include <set>

namespace cobwen::test {
namespace {

constexpr int Size = 4; // the right-aligned column of the fixture
constexpr int Date = 3;

TEST_F(RowListTest, SetRowsSortsByTheOwnerWithTheCurrentSortAndClearsState) {
    owner_.keys[Date] = {{0, 30}, {1, 10}, {2, 20}, {3, 40}};
    list_->SetSort(Date, SortDirection::Descending);
    list_->SetRows({0, 1, 2, 3});
    EXPECT_EQ((std::vector<int>{list_->RowData(0), list_->RowData(1), list_->RowData(2),
                                list_->RowData(3)}),
              (std::vector<int>{3, 0, 2, 1}));
    ASSERT_FALSE(owner_.compares.empty());
    for (const auto& compare : owner_.compares) {
        EXPECT_EQ(compare.Column, Date);
        EXPECT_EQ(compare.Direction, SortDirection::Descending);
    }
    EXPECT_EQ(list_->RowData(4), -1);
    EXPECT_EQ(list_->FocusedData(), -1);
    EXPECT_EQ(owner_.focusChanges + owner_.selectionChanges, 0) << "nothing to report";

    // Without a sort the rows keep the order they came in.
    list_->SetSort(-1, SortDirection::Ascending);
    EXPECT_EQ(list_->SortColumn(), -1);
    EXPECT_EQ(list_->Direction(), SortDirection::None);
    EXPECT_EQ(list_->RowData(0), 0);
    EXPECT_EQ(list_->RowData(3), 3);
}

TEST_F(RowListTest, ReplacingRowsReportsTheLostFocusAndSelectionOnceEach) {
    list_->SetRows(Range(5000));
    list_->SelectAll();
    ASSERT_TRUE(list_->Locate(4000, false));
    owner_.ResetCounts();
    list_->SetRows(Range(4000));
    EXPECT_EQ(owner_.focusChanges, 1);
    EXPECT_EQ(owner_.selectionChanges, 1);
    EXPECT_EQ(list_->SelectedCount(), 0);
    EXPECT_EQ(list_->FocusedData(), -1);
    EXPECT_EQ(list_->RowCount(), 4000);
}

TEST_F(RowListTest, HeaderClicksSortAndToggleTheDirection) {
    owner_.keys[Size] = {{0, 3}, {1, 1}, {2, 2}};
    list_->SetRows({0, 1, 2});
    ASSERT_TRUE(list_->Locate(2, true));
    owner_.ResetCounts();

    struct Expected {
        SortDirection Direction;
        std::vector<int> Rows;
        int Format;
    };
    const Expected clicks[] = {{SortDirection::Ascending, {1, 2, 0}, HDF_SORTUP},
                               {SortDirection::Descending, {0, 2, 1}, HDF_SORTDOWN},
                               {SortDirection::Ascending, {1, 2, 0}, HDF_SORTUP}};
    for (const auto& expected : clicks) {
        owner_.compares.clear();
        ClickHeader(Size);
        EXPECT_EQ(list_->SortColumn(), Size);
        EXPECT_EQ(list_->Direction(), expected.Direction);
        EXPECT_EQ((std::vector<int>{list_->RowData(0), list_->RowData(1), list_->RowData(2)}),
                  expected.Rows);
        ASSERT_FALSE(owner_.compares.empty());
        EXPECT_EQ(owner_.compares.back().Direction, expected.Direction);
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(list_->Header(), HDM_GETITEMW, Size, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.fmt & (HDF_SORTUP | HDF_SORTDOWN), expected.Format);
    }
    EXPECT_EQ(owner_.sortChanges, 3);
    EXPECT_EQ(list_->FocusedData(), 2) << "focus follows its row";
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{2});
    EXPECT_EQ(owner_.focusChanges + owner_.selectionChanges, 0);

    ClickHeader(0);
    EXPECT_EQ(list_->SortColumn(), 0);
    EXPECT_EQ(list_->Direction(), SortDirection::Ascending) << "another column starts ascending";
    HDITEMW sizeItem{};
    sizeItem.mask = HDI_FORMAT;
    SendMessageW(list_->Header(), HDM_GETITEMW, Size, reinterpret_cast<LPARAM>(&sizeItem));
    EXPECT_EQ(sizeItem.fmt & (HDF_SORTUP | HDF_SORTDOWN), 0);
    EXPECT_TRUE(sizeItem.fmt & HDF_CENTER);
}

TEST_F(RowListTest, MouseClicksSelectWithCtrlAndShift) {
    list_->SetRows(Range(20));
    Click(2);
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{2});
    EXPECT_EQ(list_->FocusedData(), 2);
    Click(8, MK_CONTROL);
    Click(5, MK_CONTROL);
    EXPECT_EQ(list_->SelectedData(), (std::vector<int>{2, 5, 8})) << "in row order";
    Click(8, MK_CONTROL);
    EXPECT_EQ(list_->SelectedData(), (std::vector<int>{2, 5}));
    EXPECT_EQ(list_->FocusedData(), 8);
    Click(11, MK_SHIFT);
    EXPECT_EQ(list_->SelectedData(), (std::vector<int>{8, 9, 10, 11})) << "from the anchor";
    Click(3);
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{3});
    EXPECT_EQ(GetFocus(), list_->Window());
}

TEST_F(RowListTest, NotificationsFireOncePerChange) {
    list_->SetRows(Range(20));
    owner_.ResetCounts();
    Click(4);
    EXPECT_EQ(owner_.focusChanges, 1);
    EXPECT_EQ(owner_.selectionChanges, 1);
    Click(4);
    EXPECT_EQ(owner_.focusChanges, 1) << "the same row again is no change";
    EXPECT_EQ(owner_.selectionChanges, 1);
    Click(9, MK_SHIFT);
    EXPECT_EQ(owner_.focusChanges, 2);
    EXPECT_EQ(owner_.selectionChanges, 2) << "six rows at once, one notification";
    Key(VK_DOWN, false, true);
    EXPECT_EQ(owner_.focusChanges, 3);
    EXPECT_EQ(owner_.selectionChanges, 2) << "Ctrl+Down moves the focus only";
    // Same count, other rows: the owner still hears of it (a size total depends on which).
    Click(12);
    const int before = owner_.selectionChanges;
    Click(13);
    EXPECT_EQ(owner_.selectionChanges, before + 1);
}

TEST_F(RowListTest, KeyboardMovesFocusAndSelection) {
    list_->SetRows(Range(200));
    Click(0);
    Key(VK_DOWN, true);
    Key(VK_DOWN, true);
    EXPECT_EQ(list_->SelectedData(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list_->FocusedData(), 2);
    Key(VK_UP);
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{1});

    Key(VK_NEXT);
    const int afterPage = list_->FocusedData();
    EXPECT_GT(afterPage, 2);
    EXPECT_TRUE(RowWhollyVisible(list_->FocusedPosition()));
    Key(VK_PRIOR);
    EXPECT_EQ(list_->FocusedData(), 1) << "a page up undoes a page down";

    Key(VK_END);
    EXPECT_EQ(list_->FocusedData(), 199);
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{199});
    EXPECT_TRUE(RowWhollyVisible(199));
    EXPECT_GT(list_->TopPosition(), 0);
    Key(VK_HOME, true);
    EXPECT_EQ(list_->SelectedCount(), 200);
    EXPECT_EQ(list_->TopPosition(), 0);

    Key(VK_DOWN, false, true);
    Key(VK_SPACE, false, true);
    EXPECT_EQ(list_->SelectedCount(), 199) << "Ctrl+Space deselects the focused row";
    EXPECT_FALSE(list_->IsSelected(1));
    Key(VK_SPACE, false, true);
    EXPECT_TRUE(list_->IsSelected(1));

    Key(VK_HOME);
    owner_.ResetCounts();
    Key('A', false, true);
    EXPECT_EQ(list_->SelectedCount(), 200);
    EXPECT_EQ(owner_.selectionChanges, 1);
    Key('A');
    EXPECT_EQ(list_->SelectedCount(), 200) << "A alone selects nothing new";

    Key(VK_RETURN);
    EXPECT_EQ(owner_.activated, std::vector<int>{0});
}

TEST_F(RowListTest, KeysWithoutRowsDoNothing) {
    Key(VK_DOWN, true);
    Key(VK_END);
    Key(VK_SPACE, false, true);
    Key(VK_RETURN);
    Key('A', false, true);
    EXPECT_EQ(list_->FocusedData(), -1);
    EXPECT_EQ(list_->SelectedCount(), 0);
    EXPECT_TRUE(owner_.activated.empty());
    EXPECT_EQ(owner_.focusChanges + owner_.selectionChanges, 0);
}

TEST_F(RowListTest, LocateFocusesAndOptionallySelects) {
    owner_.keys[0] = {};
    list_->SetRows(Range(500));
    Click(1);
    owner_.ResetCounts();

    EXPECT_FALSE(list_->Locate(777, true));
    EXPECT_FALSE(list_->Locate(-1, true));
    EXPECT_EQ(list_->FocusedData(), 1);
    EXPECT_EQ(owner_.focusChanges + owner_.selectionChanges, 0);

    ASSERT_TRUE(list_->Locate(300, false));
    EXPECT_EQ(list_->FocusedData(), 300);
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{1});
    EXPECT_TRUE(RowWhollyVisible(300));
    EXPECT_EQ(owner_.focusChanges, 1);
    EXPECT_EQ(owner_.selectionChanges, 0);

    ASSERT_TRUE(list_->Locate(20, true));
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{20});
    EXPECT_TRUE(RowWhollyVisible(20));
    EXPECT_EQ(owner_.focusChanges, 2);
    EXPECT_EQ(owner_.selectionChanges, 1);

    Click(list_->FocusedPosition() + 2, MK_SHIFT);
    EXPECT_EQ(list_->SelectedData(), (std::vector<int>{20, 21, 22})) << "Locate set the anchor";
}

TEST_F(RowListTest, SixtyFiveThousandRowsWithPreviewMeasureOnlyWhatIsSeen) {
    for (int data = 0; data < 65535; data += 7)
        owner_.previews[data] = L"line one\nline two\nline three";
    list_->SetPreview(true);
    owner_.ResetCounts();
    std::vector<int> data = Range(65535);
    std::reverse(data.begin(), data.end());
    list_->SetRows(std::move(data));
    ASSERT_TRUE(list_->Locate(0, true));
    EXPECT_EQ(list_->RowCount(), 65535);
    EXPECT_EQ(list_->FocusedPosition(), 65534);
    EXPECT_TRUE(RowWhollyVisible(65534));
    UpdateWindow(list_->Window());
    Key(VK_HOME);
    UpdateWindow(list_->Window());
    EXPECT_EQ(list_->TopPosition(), 0);
    EXPECT_LT(owner_.previewRequests, 1000) << "heights of rows out of sight were measured";
    list_->SelectAll();
    EXPECT_EQ(list_->SelectedCount(), 65535);
    EXPECT_EQ(list_->SelectedData().size(), 65535u);
}

TEST_F(RowListTest, PreviewHeightFollowsTheTextUpToTheLimit) {
    const auto lines = [](int count) {
        std::wstring text;
        for (int i = 0; i < count; ++i)
            text += (i ? L"\n" : L"") + std::wstring(L"строка ") + std::to_wstring(i);
        return text;
    };
    owner_.previews = {{1, lines(1)},  {2, lines(39)},
                       {3, lines(40)}, {4, lines(100)},
                       {5, lines(10)}, {6, std::wstring(400, L'x') + L" " + lines(1)}};
    for (int i = 0; i < 200; ++i)
        owner_.previews[6] += L" слово";
    list_->SetRows(Range(7));
    const int plain = RowHeight(0);
    ASSERT_GT(plain, 0);
    for (int position = 1; position < 7; ++position)
        EXPECT_EQ(RowHeight(position), plain) << "no preview yet";

    list_->SetPreview(true);
    EXPECT_TRUE(list_->PreviewShown());
    EXPECT_EQ(RowHeight(0), plain) << "an empty preview takes no room";
    const int oneLine = RowHeight(1) - plain;
    ASSERT_GT(oneLine, 0);
    EXPECT_GT(RowHeight(3), RowHeight(2));
    EXPECT_EQ(RowHeight(4), RowHeight(3)) << "100 lines are cut to 40";
    EXPECT_GT(RowHeight(5), RowHeight(1));

    // Rows lie one under another: hit-testing and the rectangles agree.
    for (int position = 1; position < 7; ++position)
        EXPECT_EQ(list_->RowRect(position).top, list_->RowRect(position - 1).bottom);

    // A long paragraph wraps more when the list is narrower.
    const int wide = RowHeight(6), shortLines = RowHeight(2);
    SetWindowPos(list_->Window(), nullptr, 0, 0, 250, 380, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_GT(RowHeight(6), wide);
    EXPECT_EQ(RowHeight(2), shortLines) << "lines that fit do not grow";

    list_->SetPreview(true, 10);
    EXPECT_EQ(RowHeight(4), RowHeight(5)) << "the limit can be lowered";
    list_->SetPreview(false);
    EXPECT_EQ(RowHeight(4), plain);

    // A bigger preview font makes taller previews.
    list_->SetPreview(true);
    const int before = RowHeight(5);
    LOGFONTW big{};
    big.lfHeight = -30;
    wcscpy(big.lfFaceName, L"Tahoma");
    const HFONT font = CreateFontIndirectW(&big);
    list_->SetFonts(nullptr, font);
    EXPECT_GT(RowHeight(5), before);
    list_->SetFonts(nullptr, nullptr);
    DeleteObject(font);
}

TEST_F(RowListTest, ClickingAPreviewSelectsItsRow) {
    owner_.previews = {{0, L"a\nb\nc\nd"}, {1, L"e"}};
    list_->SetRows(Range(3));
    list_->SetPreview(true);
    const RECT first = list_->RowRect(0);
    SendMessageW(list_->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, first.bottom - 2));
    EXPECT_EQ(list_->FocusedData(), 0);
    const RECT second = list_->RowRect(1);
    SendMessageW(list_->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, second.top + 1));
    EXPECT_EQ(list_->FocusedData(), 1);
    SendMessageW(list_->Window(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(30, list_->RowRect(2).bottom + 5));
    EXPECT_EQ(list_->FocusedData(), 1) << "below the last row";
}

TEST_F(RowListTest, PaintingAsksForVisibleColumnsInDisplayOrder) {
    list_->SetColumnVisible(2, false);
    list_->SetColumnOrder({4, 0, 1, 2, 3});
    EXPECT_EQ(list_->ColumnOrder(), (std::vector<int>{4, 0, 1, 2, 3}));
    list_->SetColumnOrder({0, 0, 1, 2, 3});
    EXPECT_EQ(list_->ColumnOrder(), (std::vector<int>{4, 0, 1, 2, 3})) << "not a permutation";
    EXPECT_EQ(SendMessageW(list_->Header(), HDM_GETITEMCOUNT, 0, 0), 4);
    list_->SetRows(Range(3));
    owner_.ResetCounts();
    InvalidateRect(list_->Window(), nullptr, FALSE);
    UpdateWindow(list_->Window());
    ASSERT_EQ(owner_.texts.size(), 12u);
    ASSERT_EQ(owner_.colourCalls.size(), 12u);
    const int columns[] = {4, 0, 1, 3};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(owner_.texts[i].Data, static_cast<int>(i / 4));
        EXPECT_EQ(owner_.texts[i].Column, columns[i % 4]);
        EXPECT_EQ(owner_.colourCalls[i].RowPosition, static_cast<int>(i / 4));
        EXPECT_EQ(owner_.colourCalls[i].ColumnPosition, static_cast<int>(i % 4));
    }
}

TEST_F(RowListTest, PaintsOwnerColoursSelectionAndPreview) {
    const COLORREF cellColour = RGB(10, 200, 30), previewColour = RGB(200, 20, 140);
    owner_.rowColours[1] = {cellColour, RGB(0, 0, 0)};
    owner_.previewColour = {previewColour, CLR_INVALID};
    owner_.previews = {{1, L"preview"}, {2, L"preview"}};
    list_->SetBackground(RGB(250, 250, 240));
    list_->SetRows(Range(4));
    list_->SetPreview(true);
    list_->Locate(2, true);

    RECT client{};
    GetClientRect(list_->Window(), &client);
    const HDC screen = GetDC(list_->Window());
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(list_->Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const auto pixelAt = [&](int position, int yFromTop) {
        const RECT row = list_->RowRect(position);
        return GetPixel(memory, 2, row.top + yFromTop);
    };
    const int textLine = list_->RowRect(0).bottom - list_->RowRect(0).top;
    EXPECT_EQ(pixelAt(0, 1), RGB(250, 250, 240)) << "the list's background";
    EXPECT_EQ(pixelAt(1, 1), cellColour) << "the owner's cell colour";
    EXPECT_EQ(pixelAt(1, textLine + 1), previewColour) << "the owner's preview colour";
    EXPECT_EQ(pixelAt(2, 1), GetSysColor(COLOR_HIGHLIGHT)) << "selected";
    EXPECT_EQ(pixelAt(2, textLine + 1), GetSysColor(COLOR_HIGHLIGHT)) << "selected preview";
    EXPECT_EQ(GetPixel(memory, 2, list_->RowRect(3).bottom + 3), RGB(250, 250, 240))
        << "below the rows";
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(list_->Window(), screen);
}

TEST_F(RowListTest, LayoutRoundTripsThroughBytesAndGarbageIsIgnored) {
    // Sizing a column through the header is the user's way; the list keeps the new width.
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = 222;
    SendMessageW(list_->Header(), HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(list_->Columns()[1].Width, 222);
    list_->SetColumnVisible(2, false);
    list_->SetColumnOrder({3, 1, 0, 2, 4});
    list_->SetSort(Date, SortDirection::Descending);
    const std::string saved = list_->SaveLayout();

    RecordingOwner otherOwner;
    RowList other(parent_, 102, otherOwner);
    other.SetColumns(FiveColumns());
    for (const std::string& garbage :
         {std::string(), std::string("\x01\x02garbage"), saved.substr(0, saved.size() / 2)}) {
        EXPECT_FALSE(other.RestoreLayout(garbage));
        EXPECT_EQ(other.Columns()[1].Width, 60);
        EXPECT_EQ(other.SortColumn(), -1);
    }
    ASSERT_TRUE(other.RestoreLayout(saved));
    EXPECT_EQ(other.Columns()[1].Width, 222);
    EXPECT_FALSE(other.Columns()[2].Visible);
    EXPECT_TRUE(other.Columns()[4].RightAligned) << "not part of the layout";
    EXPECT_EQ(other.ColumnOrder(), (std::vector<int>{3, 1, 0, 2, 4}));
    EXPECT_EQ(other.SortColumn(), Date);
    EXPECT_EQ(other.Direction(), SortDirection::Descending);
    EXPECT_EQ(SendMessageW(other.Header(), HDM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(other.SaveLayout(), saved);

    RowList fewer(parent_, 103, otherOwner);
    fewer.SetColumns({{L"a"}, {L"b"}});
    EXPECT_FALSE(fewer.RestoreLayout(saved)) << "another set of columns";
}

TEST_F(RowListTest, DraggingAHeaderItemReordersTheColumns) {
    RECT first{}, third{};
    SendMessageW(list_->Header(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(list_->Header(), HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    const int y = (first.top + first.bottom) / 2;
    SendMessageW(list_->Header(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 20, y));
    for (int x = first.left + 20; x <= third.right - 5; x += 10)
        SendMessageW(list_->Header(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(list_->Header(), WM_LBUTTONUP, 0, MAKELPARAM(third.right - 5, y));
    Pump();
    const auto order = list_->ColumnOrder();
    if (order == (std::vector<int>{0, 1, 2, 3, 4}))
        GTEST_SKIP() << "this header control does not drag items on synthetic mouse input";
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 3, 4}));
    EXPECT_EQ(list_->SortColumn(), -1) << "a drag is not a click";
}

TEST_F(RowListTest, RightClickAndMenuKeysAskForTheContextMenu) {
    list_->SetRows(Range(30));
    Click(3);
    Click(5, MK_CONTROL);
    Click(5, 0, WM_RBUTTONDOWN);
    EXPECT_EQ(list_->SelectedData(), (std::vector<int>{3, 5})) << "a selected row keeps them";
    ASSERT_EQ(owner_.menus.size(), 1u);
    POINT expected{30, (list_->RowRect(5).top + list_->RowRect(5).bottom) / 2};
    ClientToScreen(list_->Window(), &expected);
    EXPECT_EQ(owner_.menus[0].x, expected.x);
    EXPECT_EQ(owner_.menus[0].y, expected.y);

    Click(8, 0, WM_RBUTTONDOWN);
    EXPECT_EQ(list_->SelectedData(), std::vector<int>{8}) << "another row becomes the selection";
    EXPECT_EQ(list_->FocusedData(), 8);
    EXPECT_EQ(owner_.menus.size(), 2u);

    Key(VK_APPS);
    {
        HeldKeys shift(true, false);
        SendMessageW(list_->Window(), WM_SYSKEYDOWN, VK_F10, 1);
    }
    SendMessageW(list_->Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_->Window()), -1);
    ASSERT_EQ(owner_.menus.size(), 5u) << "one menu per key";
    RECT window{};
    GetWindowRect(list_->Window(), &window);
    for (std::size_t i = 2; i < 5; ++i)
        EXPECT_TRUE(PtInRect(&window, owner_.menus[i])) << i;
}

TEST_F(RowListTest, DoubleClickActivatesTheRowAndFocusIsReported) {
    list_->SetRows(Range(10));
    SetFocus(parent_);
    owner_.ResetCounts();
    Click(6, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(owner_.activated, std::vector<int>{6});
    EXPECT_EQ(owner_.gotFocus, 1);
    SendMessageW(list_->Window(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(30, list_->RowRect(9).bottom + 20));
    EXPECT_EQ(owner_.activated.size(), 1u) << "no row under the double click";
}

TEST_F(RowListTest, WheelAndScrollBarsMoveTheView) {
    list_->SetRows(Range(300));
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    SendMessageW(list_->Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(list_->TopPosition(), static_cast<int>(lines));
    SendMessageW(list_->Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA * 5), 0);
    EXPECT_EQ(list_->TopPosition(), 0);

    SendMessageW(list_->Window(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(RowWhollyVisible(299));
    EXPECT_FALSE(RowWhollyVisible(list_->TopPosition() - 1));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(list_->Window(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, list_->TopPosition());
    EXPECT_EQ(info.nMax - static_cast<int>(info.nPage) + 1, list_->TopPosition())
        << "the bar ends where the rows do";
    SendMessageW(list_->Window(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_LT(list_->TopPosition(), info.nPos);

    // Wider columns than the window: the header scrolls with the rows.
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = 1500;
    SendMessageW(list_->Header(), HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list_->Window(), WM_HSCROLL, SB_RIGHT, 0);
    EXPECT_LT(list_->RowRect(0).left, -800);
    RECT header{};
    GetWindowRect(list_->Header(), &header);
    MapWindowPoints(nullptr, list_->Window(), reinterpret_cast<POINT*>(&header), 2);
    EXPECT_EQ(header.left, list_->RowRect(0).left);
}

TEST_F(RowListTest, UpdatesSuspendDrawingUntilTheLastEnd) {
    list_->SetRows(Range(10));
    UpdateWindow(list_->Window());
    list_->BeginUpdate();
    list_->BeginUpdate();
    list_->SetRows(Range(20));
    EXPECT_FALSE(GetUpdateRect(list_->Window(), nullptr, FALSE));
    list_->EndUpdate();
    EXPECT_FALSE(GetUpdateRect(list_->Window(), nullptr, FALSE));
    list_->EndUpdate();
    EXPECT_TRUE(GetUpdateRect(list_->Window(), nullptr, FALSE));
}

TEST_F(RowListTest, AnOwnerFailureStaysInsideTheWindowProcedure) {
    list_->SetRows(Range(10));
    owner_.throwOnText = true;
    InvalidateRect(list_->Window(), nullptr, FALSE);
    UpdateWindow(list_->Window());
    owner_.throwOnText = false;
    Click(2);
    EXPECT_EQ(list_->FocusedData(), 2);
}

TEST_F(RowListTest, DestroyingTheListOrItsParentFirstIsSafe) {
    const HWND window = list_->Window();
    list_.reset();
    EXPECT_FALSE(IsWindow(window));

    // A parent of its own, not shown, so that destroying it costs nothing.
    const HWND ownParent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                           nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(ownParent, nullptr);
    RowList orphan(ownParent, 101, owner_);
    ASSERT_NE(orphan.Window(), nullptr);
    DestroyWindow(ownParent);
    EXPECT_EQ(orphan.Window(), nullptr);
}

} // namespace
} // namespace cobwen::test
