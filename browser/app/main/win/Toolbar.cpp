#include "browser/app/main/win/Toolbar.h"

#include "browser/app/main/win/ToolbarImages.h"

namespace cobwen {

namespace {

struct ButtonInfo {
    int Id;
    const wchar_t* Caption;
    const wchar_t* Hint;
    bool EnabledAtStart;
    bool SeparatorAfter;
};

constexpr ButtonInfo Buttons[] = {
    {Toolbar::Settings, L"Настройки", L"Изменить настройки программы", true, true},
    {Toolbar::Refresh, L"Обновить", L"Заново загрузить список плагинов с сайта", true, false},
    {Toolbar::Download, L"Загрузить", L"Загрузить выбранные плагины", false, false},
    {Toolbar::Stop, L"Остановить", L"Остановить закачку", false, true},
    {Toolbar::About, L"О программе", L"Краткая информация о программе", true, false},
    {Toolbar::Exit, L"Выход", L"Закрыть все это безобразие", true, false},
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
        button.idCommand = info.Id;
        button.fsState = info.EnabledAtStart ? TBSTATE_ENABLED : 0;
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

bool Toolbar::Enabled(Button button) const {
    return SendMessageW(window_, TB_ISBUTTONENABLED, button, 0) != 0;
}

void Toolbar::Enable(Button button, bool enabled) {
    SendMessageW(window_, TB_ENABLEBUTTON, button, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

const wchar_t* Toolbar::Hint(int button) {
    for (const ButtonInfo& info : Buttons)
        if (info.Id == button)
            return info.Hint;
    return nullptr;
}

} // namespace cobwen
