#include "browser/app/main/win/Toolbar.h"

#include "browser/app/main/win/ToolbarImages.h"

namespace cobwen {

namespace {

struct ButtonInfo {
    ToolButton Button;
    const wchar_t* Caption;
    const wchar_t* Hint;
    bool SeparatorAfter;
};

constexpr ButtonInfo Buttons[] = {
    {ToolButton::Settings, L"Настройки", L"Изменить настройки программы", true},
    {ToolButton::Refresh, L"Обновить", L"Заново загрузить список плагинов с сайта", false},
    {ToolButton::Download, L"Загрузить", L"Загрузить выбранные плагины", false},
    {ToolButton::Stop, L"Остановить", L"Остановить закачку", true},
    {ToolButton::About, L"О программе", L"Краткая информация о программе", false},
    {ToolButton::Exit, L"Выход", L"Закрыть все это безобразие", false},
};

constexpr int ImageSize = 32;

} // namespace

void Toolbar::Create(HWND parent, HFONT font) {
    window_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                              WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0,
                              0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    images_.Reset(CreateToolbarImages(ImageSize));
    SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
    SendMessageW(window_, TB_SETBITMAPSIZE, 0, MAKELPARAM(ImageSize, ImageSize));

    int image = 0;
    for (const ButtonInfo& info : Buttons) {
        TBBUTTON button{};
        button.iBitmap = image++;
        button.idCommand = Id(info.Button);
        button.fsState = 0;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        button.iString = reinterpret_cast<INT_PTR>(info.Caption);
        SendMessageW(window_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
        if (info.SeparatorAfter) {
            TBBUTTON separator{};
            separator.fsStyle = BTNS_SEP;
            separator.iBitmap = 8;
            SendMessageW(window_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&separator));
        }
    }
    SendMessageW(window_, TB_AUTOSIZE, 0, 0);
}

int Toolbar::Height() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect.bottom - rect.top;
}

void Toolbar::Resize() {
    SendMessageW(window_, TB_AUTOSIZE, 0, 0);
}

ToolButton Toolbar::ButtonOfId(int id) {
    for (const ButtonInfo& info : Buttons)
        if (Id(info.Button) == id)
            return info.Button;
    return ToolButton::None;
}

bool Toolbar::Enabled(ToolButton button) const {
    return SendMessageW(window_, TB_ISBUTTONENABLED, static_cast<WPARAM>(Id(button)), 0) != 0;
}

void Toolbar::Enable(ToolButton button, bool enabled) {
    SendMessageW(window_, TB_ENABLEBUTTON, static_cast<WPARAM>(Id(button)),
                 MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

const wchar_t* Toolbar::Hint(int id) {
    for (const ButtonInfo& info : Buttons)
        if (Id(info.Button) == id)
            return info.Hint;
    return nullptr;
}

} // namespace cobwen
