#include "plugin-host/standin/core/ScriptedUi.h"

#include <cstdio>

namespace ulvar::standin {

void ScriptedUi::QueueMenu(MenuAnswer answer) {
    menuQueue_.push_back([answer](const MenuShown&) { return answer; });
}

void ScriptedUi::QueueMenu(MenuScript script) {
    menuQueue_.push_back(std::move(script));
}

void ScriptedUi::QueueDialog(DialogAnswer answer) {
    dialogQueue_.push_back([answer](const DialogShown&, std::vector<DialogItem>& items) {
        auto const inRange = [&items](int index) {
            return index >= 0 && index < static_cast<int>(items.size());
        };
        for (auto const& [index, text] : answer.texts)
            if (inRange(index))
                std::snprintf(items[index].Data, sizeof items[index].Data, "%s", text.c_str());
        for (auto const& [index, state] : answer.states)
            if (inRange(index))
                items[index].Selected = state;
        return answer.closeItem;
    });
}

void ScriptedUi::QueueDialog(DialogScript script) {
    dialogQueue_.push_back(std::move(script));
}

void ScriptedUi::QueueMessage(int button) {
    messageQueue_.push_back([button](const MessageShown&) { return button; });
}

void ScriptedUi::QueueMessage(MessageScript script) {
    messageQueue_.push_back(std::move(script));
}

int ScriptedUi::PendingCount() const {
    return static_cast<int>(menuQueue_.size() + dialogQueue_.size() + messageQueue_.size());
}

MenuAnswer ScriptedUi::Menu(const MenuShown& menu) {
    log_.push_back("Menu");
    MenuCall call{menu, {}, !menuQueue_.empty()};
    if (call.scripted) {
        auto script = std::move(menuQueue_.front());
        menuQueue_.pop_front();
        call.answer = script(menu);
    } else {
        ++unscripted_;
    }
    menus_.push_back(call);
    return call.answer;
}

int ScriptedUi::Dialog(const DialogShown& dialog, std::vector<DialogItem>& items) {
    log_.push_back("Dialog");
    DialogCall call{dialog, {}, -1, !dialogQueue_.empty()};
    if (call.scripted) {
        auto script = std::move(dialogQueue_.front());
        dialogQueue_.pop_front();
        call.answer = script(dialog, items);
    } else {
        ++unscripted_;
    }
    call.result = items;
    dialogs_.push_back(std::move(call));
    return dialogs_.back().answer;
}

int ScriptedUi::Message(const MessageShown& message) {
    log_.push_back("Message");
    if (noticesPass_ && message.buttons.empty()) {
        messages_.push_back(MessageCall{message, -1, false});
        return -1;
    }
    MessageCall call{message, -1, !messageQueue_.empty()};
    if (call.scripted) {
        auto script = std::move(messageQueue_.front());
        messageQueue_.pop_front();
        call.answer = script(message);
    } else {
        ++unscripted_;
    }
    messages_.push_back(std::move(call));
    return messages_.back().answer;
}

void ScriptedUi::Flushed(const VirtualScreen& screen) {
    log_.push_back("Flush");
    ++flushes_;
    if (onFlush_)
        onFlush_(screen);
}

void ScriptedUi::ScreenRestored(const VirtualScreen&) {
    log_.push_back("Restore");
    ++restores_;
}

int FindDialogItem(const std::vector<DialogItem>& items, int type, int from) {
    for (int i = from < 0 ? 0 : from; i < static_cast<int>(items.size()); ++i)
        if (items[i].Type == type)
            return i;
    return -1;
}

} // namespace ulvar::standin
