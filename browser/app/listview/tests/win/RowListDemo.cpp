// rowlist-demo: a window with a thousand rows of the catalogue's shape, for looking at the list.
// Arguments: "preview" shows a preview text under every row.
#include "browser/app/listview/win/RowList.h"

#include <cwchar>
#include <memory>
#include <string>

namespace {

class DemoOwner : public cobwen::RowListOwner {
public:
    std::wstring CellText(int data, int column) override {
        switch (column) {
        case 0:
            return L"Плагин номер " + std::to_wstring(data);
        case 1:
            return L"1." + std::to_wstring(data % 17);
        case 2:
            return data % 3 == 0 ? L"Архиваторы" : (data % 3 == 1 ? L"Сеть" : L"Редакторы");
        case 3:
            return std::to_wstring(1 + data % 28) + L".0" + std::to_wstring(1 + data % 9) +
                   L".2008";
        default:
            return Grouped(static_cast<long long>(data) * 7919 % 9000000);
        }
    }
    int CompareRows(int a, int b, int column, cobwen::SortDirection direction) override {
        const int result = column == 4 ? (a * 7919 % 9000000) - (b * 7919 % 9000000)
                                       : CellText(a, column).compare(CellText(b, column));
        return direction == cobwen::SortDirection::Descending ? -result : result;
    }
    cobwen::CellColours CellColour(int data, int, int columnPosition, bool selected) override {
        if (selected)
            return {};
        if (data % 11 == 0)
            return {RGB(200, 255, 200), CLR_INVALID};
        return columnPosition % 2 ? cobwen::CellColours{RGB(245, 245, 255), CLR_INVALID}
                                  : cobwen::CellColours{};
    }
    std::wstring PreviewText(int data) override {
        std::wstring text = L"Описание плагина " + std::to_wstring(data) + L":";
        for (int i = 0; i < data % 5; ++i)
            text += L" длинное описание, которое переносится по словам на ширину списка;";
        return text;
    }
    cobwen::CellColours PreviewColour(int data, bool selected) override {
        return selected || data % 11 ? cobwen::CellColours{}
                                     : cobwen::CellColours{RGB(200, 255, 200), CLR_INVALID};
    }

private:
    static std::wstring Grouped(long long value) {
        std::wstring digits = std::to_wstring(value), text;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0)
                text += L' ';
            text += digits[i];
        }
        return text;
    }
};

std::unique_ptr<cobwen::RowList> list;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (list)
            MoveWindow(list->Window(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (list)
            SetFocus(list->Window());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    frameClass.lpszClassName = L"RowListDemo";
    RegisterClassW(&frameClass);
    const HWND frame = CreateWindowExW(0, L"RowListDemo", L"rowlist-demo", WS_OVERLAPPEDWINDOW, 20,
                                       20, 760, 520, nullptr, nullptr, instance, nullptr);
    DemoOwner owner;
    list = std::make_unique<cobwen::RowList>(frame, 1, owner);
    RECT client{};
    GetClientRect(frame, &client);
    MoveWindow(list->Window(), 0, 0, client.right, client.bottom, TRUE);
    list->SetColumns({{L"Наименование", 281},
                      {L"Версия", 112},
                      {L"Категория", 179},
                      {L"Дата выхода", 98},
                      {L"Размер архива (байт)", 124, true}});
    list->SetSort(std::wcsstr(commandLine, L"preview") ? 0 : 4, cobwen::SortDirection::Descending);
    std::vector<int> rows(1000);
    for (int i = 0; i < 1000; ++i)
        rows[i] = i;
    list->SetRows(std::move(rows));
    list->SetPreview(std::wcsstr(commandLine, L"preview") != nullptr);
    list->Locate(33, true);
    for (int data : {35, 36, 40})
        list->Locate(data, false), SendMessageW(list->Window(), WM_KEYDOWN, VK_SPACE, 0);
    list->Locate(40, false);
    ShowWindow(frame, show);
    SetFocus(list->Window());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    list.reset();
    return 0;
}
