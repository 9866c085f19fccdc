#include "plugin-host/standin/core/ServiceRecords.h"

#include <algorithm>

namespace ulvar::standin {

namespace {

std::string Text(const char* text) {
    return text ? text : "";
}

} // namespace

MenuShown MakeMenuShown(int x, int y, int maxHeight, std::uint32_t flags, const char* title,
                        const char* bottom, const char* helpTopic, const int* breakKeys,
                        const MenuItem* items, int itemsNumber) {
    MenuShown menu;
    menu.x = x;
    menu.y = y;
    menu.maxHeight = maxHeight;
    menu.flags = flags;
    menu.title = Text(title);
    menu.bottom = Text(bottom);
    menu.helpTopic = Text(helpTopic);
    for (const int* key = breakKeys; key && *key; ++key)
        menu.breakKeys.push_back(*key);
    if (items && itemsNumber > 0)
        menu.items.assign(items, items + itemsNumber);
    return menu;
}

DialogShown MakeDialogShown(int x1, int y1, int x2, int y2, const char* helpTopic,
                            const DialogItem* items, int itemsNumber) {
    DialogShown dialog;
    dialog.x1 = x1;
    dialog.y1 = y1;
    dialog.x2 = x2;
    dialog.y2 = y2;
    dialog.helpTopic = Text(helpTopic);
    if (items && itemsNumber > 0)
        dialog.items.assign(items, items + itemsNumber);
    return dialog;
}

std::vector<std::string> ReadyMadeButtons(std::uint32_t flags, const HostTexts& texts) {
    switch (flags & MessageButtonsMask) {
    case MessageOk:
        return {texts.ok};
    case MessageOkCancel:
        return {texts.ok, texts.cancel};
    case MessageAbortRetryIgnore:
        return {texts.abort, texts.retry, texts.ignore};
    case MessageYesNo:
        return {texts.yes, texts.no};
    case MessageYesNoCancel:
        return {texts.yes, texts.no, texts.cancel};
    case MessageRetryCancel:
        return {texts.retry, texts.cancel};
    default:
        return {};
    }
}

MessageShown MakeMessageShown(std::uint32_t flags, const char* helpTopic, const char* const* items,
                              int itemsNumber, int buttonsNumber,
                              const std::optional<std::string>& errorLine, const HostTexts& texts) {
    MessageShown message;
    message.flags = flags;
    message.helpTopic = Text(helpTopic);
    int const count = items ? std::max(itemsNumber, 0) : 0;
    auto const readyMade = ReadyMadeButtons(flags, texts);
    int const buttons = readyMade.empty() ? std::clamp(buttonsNumber, 0, count) : 0;
    for (int i = 0; i < count - buttons; ++i)
        message.lines.push_back(Text(items[i]));
    if ((flags & MessageErrorLine) && errorLine)
        message.lines.push_back(*errorLine);
    for (int i = count - buttons; i < count; ++i)
        message.buttons.push_back(Text(items[i]));
    if (!readyMade.empty())
        message.buttons = readyMade;
    return message;
}

} // namespace ulvar::standin
