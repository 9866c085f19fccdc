#pragma once

// A HostUi for tests: answers menus, dialogs and messages from queues the test fills in advance
// and records everything the plug-in showed. A call that finds its queue empty is answered -1
// (cancelled), as if the user pressed Esc, and recorded as unscripted.

#include "plugin-host/standin/core/HostUi.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ulvar::standin {

// A dialog answer: texts and check or radio states to set, then the closing item.
struct DialogAnswer {
    int closeItem = -1;
    std::vector<std::pair<int, std::string>> texts; // item index, new text
    std::vector<std::pair<int, int>> states;        // item index, new Selected
};

using MenuScript = std::function<MenuAnswer(const MenuShown&)>;
using DialogScript = std::function<int(const DialogShown&, std::vector<DialogItem>&)>;
using MessageScript = std::function<int(const MessageShown&)>;

struct MenuCall {
    MenuShown shown;
    MenuAnswer answer;
    bool scripted = false;
};

struct DialogCall {
    DialogShown shown;
    std::vector<DialogItem> result; // the items as the plug-in got them back
    int answer = -1;
    bool scripted = false;
};

struct MessageCall {
    MessageShown shown;
    int answer = -1;
    bool scripted = false;
};

class ScriptedUi : public HostUi {
public:
    void QueueMenu(MenuAnswer answer);
    void QueueMenu(int item) { QueueMenu(MenuAnswer{item, -1}); }
    void QueueMenu(MenuScript script);
    void QueueDialog(DialogAnswer answer);
    void QueueDialog(DialogScript script);
    void QueueMessage(int button);
    void QueueMessage(MessageScript script);

    // A message without buttons does not wait for the user (a progress box): with this set, it
    // is recorded but takes no answer from the queue and does not count as unscripted.
    void LetNoticesPass(bool pass = true) { noticesPass_ = pass; }

    // Called on every flush, after it was counted (e.g. to check the screen at that moment).
    void OnFlush(std::function<void(const VirtualScreen&)> callback) {
        onFlush_ = std::move(callback);
    }

    const std::vector<MenuCall>& Menus() const { return menus_; }
    const std::vector<DialogCall>& Dialogs() const { return dialogs_; }
    const std::vector<MessageCall>& Messages() const { return messages_; }
    int FlushCount() const { return flushes_; }
    int RestoreCount() const { return restores_; }
    // "Menu", "Dialog", "Message", "Flush" and "Restore" in the order they happened.
    const std::vector<std::string>& Log() const { return log_; }
    int UnscriptedCount() const { return unscripted_; }
    // Answers queued and not used yet.
    int PendingCount() const;

    MenuAnswer Menu(const MenuShown& menu) override;
    int Dialog(const DialogShown& dialog, std::vector<DialogItem>& items) override;
    int Message(const MessageShown& message) override;
    void Flushed(const VirtualScreen& screen) override;
    void ScreenRestored(const VirtualScreen& screen) override;

private:
    std::deque<MenuScript> menuQueue_;
    std::deque<DialogScript> dialogQueue_;
    std::deque<MessageScript> messageQueue_;
    std::function<void(const VirtualScreen&)> onFlush_;
    std::vector<MenuCall> menus_;
    std::vector<DialogCall> dialogs_;
    std::vector<MessageCall> messages_;
    std::vector<std::string> log_;
    int flushes_ = 0;
    int restores_ = 0;
    int unscripted_ = 0;
    bool noticesPass_ = false;
};

// The index of the first dialog item of a type at or after from, or -1.
int FindDialogItem(const std::vector<DialogItem>& items, int type, int from = 0);

} // namespace ulvar::standin
