#include "browser/app/listview/tests/win/RowListFixture.h"

#include "tools/testsupport/win/WindowProbe.h"

#include <commctrl.h>
#include <stdexcept>

namespace cobwen::test {

std::wstring RecordingOwner::CellText(int data, int column) {
    if (throwOnText)
        throw std::runtime_error("owner failed");
    texts.push_back({data, column});
    return L"d" + std::to_wstring(data) + L"c" + std::to_wstring(column);
}

int RecordingOwner::CompareRows(int dataA, int dataB, int column, SortDirection direction) {
    compares.push_back({column, direction});
    const auto& columnKeys = keys[column];
    const auto key = [&](int data) {
        const auto found = columnKeys.find(data);
        return found == columnKeys.end() ? data : found->second;
    };
    const int result = (key(dataA) > key(dataB)) - (key(dataA) < key(dataB));
    return direction == SortDirection::Descending ? -result : result;
}

CellColours RecordingOwner::CellColour(int data, int rowPosition, int columnPosition,
                                       bool selected) {
    colourCalls.push_back({data, rowPosition, columnPosition, selected});
    const auto found = rowColours.find(data);
    return found == rowColours.end() || selected ? CellColours{} : found->second;
}

std::wstring RecordingOwner::PreviewText(int data) {
    ++previewRequests;
    const auto found = previews.find(data);
    return found == previews.end() ? std::wstring() : found->second;
}

CellColours RecordingOwner::PreviewColour(int, bool selected) {
    return selected ? CellColours{} : previewColour;
}

void RecordingOwner::ResetCounts() {
    focusChanges = selectionChanges = gotFocus = sortChanges = previewRequests = 0;
    menus.clear();
    activated.clear();
    compares.clear();
    texts.clear();
    colourCalls.clear();
}

HeldKeys::HeldKeys(bool shift, bool ctrl) {
    GetKeyboardState(saved_);
    BYTE keys[256];
    std::copy(std::begin(saved_), std::end(saved_), keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(saved_);
}

HWND RowListTest::sharedParent_ = nullptr;

void RowListTest::SetUpTestSuite() {
    if (testsupport::CanCreateWindows())
        sharedParent_ =
            CreateWindowExW(0, L"STATIC", L"RowList test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                            640, 420, nullptr, nullptr, nullptr, nullptr);
}

void RowListTest::TearDownTestSuite() {
    if (sharedParent_)
        DestroyWindow(sharedParent_);
    sharedParent_ = nullptr;
}

void RowListTest::SetUp() {
    if (!sharedParent_)
        GTEST_SKIP() << "no display for windows";
    parent_ = sharedParent_;
    list_ = std::make_unique<RowList>(parent_, 101, owner_);
    ASSERT_NE(list_->Window(), nullptr);
    RECT client{};
    GetClientRect(parent_, &client);
    MoveWindow(list_->Window(), 0, 0, client.right, client.bottom, TRUE);
    list_->SetColumns(FiveColumns());
    Pump();
}

void RowListTest::TearDown() {
    list_.reset();
    Pump();
}

std::vector<RowListColumn> RowListTest::FiveColumns() {
    return {{L"Наименование", 120},
            {L"Версия", 60},
            {L"Категория", 90},
            {L"Дата выхода", 80},
            {L"Размер", 90, true}};
}

std::vector<int> RowListTest::Range(int count) {
    std::vector<int> data(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        data[i] = i;
    return data;
}

RECT RowListTest::ViewArea() const {
    RECT client{};
    GetClientRect(list_->Window(), &client);
    RECT header{};
    GetWindowRect(list_->Header(), &header);
    client.top = header.bottom - header.top;
    return client;
}

void RowListTest::Click(int position, WPARAM keys, UINT message) {
    const RECT row = list_->RowRect(position);
    const LPARAM point = MAKELPARAM(30, (row.top + row.bottom) / 2);
    const WPARAM button = message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    SendMessageW(list_->Window(), message, button | keys, point);
    const UINT up = message == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP;
    SendMessageW(list_->Window(), up, keys, point);
}

void RowListTest::Key(WPARAM key, bool shift, bool ctrl) {
    HeldKeys held(shift, ctrl);
    SendMessageW(list_->Window(), WM_KEYDOWN, key, 1);
    SendMessageW(list_->Window(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

void RowListTest::ClickHeader(int item) {
    RECT rect{};
    ASSERT_TRUE(SendMessageW(list_->Header(), HDM_GETITEMRECT, static_cast<WPARAM>(item),
                             reinterpret_cast<LPARAM>(&rect)));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(list_->Header(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list_->Header(), WM_LBUTTONUP, 0, point);
    Pump();
}

void RowListTest::Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RowListTest::RowHeight(int position) const {
    const RECT row = list_->RowRect(position);
    return row.bottom - row.top;
}

bool RowListTest::RowWhollyVisible(int position) const {
    const RECT row = list_->RowRect(position);
    const RECT view = ViewArea();
    return row.top >= view.top && row.bottom <= view.bottom;
}

} // namespace cobwen::test
