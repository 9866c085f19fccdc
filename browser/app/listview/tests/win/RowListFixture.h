#pragma once

#include "browser/app/listview/win/RowList.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace cobwen::test {

// Rows are data integers; a cell's text is "d<data>c<column>" and its sort key is keys[column]
// (the data itself when absent). Every notification is counted.
class RecordingOwner : public RowListOwner {
public:
    std::wstring CellText(int data, int column) override;
    int CompareRows(int dataA, int dataB, int column, SortDirection direction) override;
    CellColours CellColour(int data, int rowPosition, int columnPosition, bool selected) override;
    std::wstring PreviewText(int data) override;
    CellColours PreviewColour(int data, bool selected) override;
    void FocusedRowChanged(RowList&) override { ++focusChanges; }
    void SelectionCountChanged(RowList&) override { ++selectionChanges; }
    void GotFocus(RowList&) override { ++gotFocus; }
    void ContextMenu(RowList&, POINT screenPoint) override { menus.push_back(screenPoint); }
    void RowActivated(RowList& list) override { activated.push_back(list.FocusedData()); }
    void SortChanged(RowList&) override { ++sortChanges; }

    void ResetCounts();

    std::map<int, std::map<int, int>> keys;
    std::map<int, std::wstring> previews;
    std::map<int, CellColours> rowColours;
    CellColours previewColour;
    bool throwOnText = false;

    int focusChanges = 0;
    int selectionChanges = 0;
    int gotFocus = 0;
    int sortChanges = 0;
    int previewRequests = 0;
    std::vector<POINT> menus;
    std::vector<int> activated;
    struct Compare {
        int Column;
        SortDirection Direction;
    };
    std::vector<Compare> compares;
    struct Cell {
        int Data;
        int Column;
    };
    std::vector<Cell> texts;
    struct ColourCall {
        int Data;
        int RowPosition;
        int ColumnPosition;
        bool Selected;
    };
    std::vector<ColourCall> colourCalls;
};

// Sets the keyboard state GetKeyState reports while it lives.
class HeldKeys {
public:
    HeldKeys(bool shift, bool ctrl);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256]{};
};

// A RowList of five columns filling the client area of a visible top-level window. The window
// is shared by the suite: under Wine without a window manager, hiding a shown top-level window
// waits two seconds for the manager that is not there.
class RowListTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static std::vector<RowListColumn> FiveColumns();
    static std::vector<int> Range(int count);
    // Rows the view shows whole, given the current top.
    RECT ViewArea() const;
    void Click(int position, WPARAM keys = 0, UINT message = WM_LBUTTONDOWN);
    void Key(WPARAM key, bool shift = false, bool ctrl = false);
    void ClickHeader(int item);
    void Pump();
    int RowHeight(int position) const;
    bool RowWhollyVisible(int position) const;

    static HWND sharedParent_;
    HWND parent_ = nullptr;
    RecordingOwner owner_;
    std::unique_ptr<RowList> list_;
};

} // namespace cobwen::test
