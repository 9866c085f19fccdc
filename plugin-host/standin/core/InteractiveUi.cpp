#include "plugin-host/standin/core/InteractiveUi.h"

#include "plugin-host/standin/core/ConsoleDialog.h"
#include "plugin-host/standin/core/ConsoleMenu.h"
#include "plugin-host/standin/core/ConsoleMessage.h"

namespace ulvar::standin {

template <typename Widget> void InteractiveUi::Run(Widget& widget) {
    void* const saved = screen_->Save(widget.Left(), widget.Top(), widget.Right(), widget.Bottom());
    int const cursorX = screen_->CursorX(), cursorY = screen_->CursorY();
    bool const cursorVisible = screen_->CursorVisible();
    for (;;) {
        widget.Draw(*screen_);
        terminal_.Show(*screen_, true);
        if (widget.GetState() != Widget::State::Open)
            break;
        KeyPress key;
        if (!terminal_.ReadKey(key, -1)) {
            // The input has ended: leave as if Esc was pressed.
            widget.Key(KeyPress{vk::Escape, 0, 0});
            break;
        }
        widget.Key(key);
    }
    screen_->Restore(saved);
    screen_->SetCursor(cursorX, cursorY, cursorVisible);
    terminal_.Show(*screen_, true);
}

MenuAnswer InteractiveUi::Menu(const MenuShown& menu) {
    if (!screen_)
        return {};
    ConsoleMenu widget(menu, screen_->Width(), screen_->Height());
    Run(widget);
    return widget.Answer();
}

int InteractiveUi::Dialog(const DialogShown& dialog, std::vector<DialogItem>& items) {
    if (!screen_)
        return -1;
    ConsoleDialog widget(dialog, screen_->Width(), screen_->Height());
    Run(widget);
    if (widget.GetState() == ConsoleDialog::State::Closed)
        items = widget.Items();
    return widget.Result();
}

int InteractiveUi::Message(const MessageShown& message) {
    if (!screen_)
        return -1;
    ConsoleMessage widget(message, screen_->Width(), screen_->Height());
    if (widget.GetState() == ConsoleMessage::State::Closed) {
        widget.Draw(*screen_);
        terminal_.Show(*screen_, false);
        return -1;
    }
    Run(widget);
    return widget.Result();
}

} // namespace ulvar::standin
