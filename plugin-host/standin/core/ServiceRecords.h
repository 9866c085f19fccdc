#pragma once

// Turns the arguments of the menu, dialog and message services into the records a HostUi sees.

#include "plugin-host/standin/core/HostTexts.h"
#include "plugin-host/standin/core/HostUi.h"

#include <optional>
#include <string>

namespace ulvar::standin {

MenuShown MakeMenuShown(int x, int y, int maxHeight, std::uint32_t flags, const char* title,
                        const char* bottom, const char* helpTopic, const int* breakKeys,
                        const MenuItem* items, int itemsNumber);

DialogShown MakeDialogShown(int x1, int y1, int x2, int y2, const char* helpTopic,
                            const DialogItem* items, int itemsNumber);

// items: the title, the lines, then buttonsNumber buttons; with a ready-made button row in flags
// every item is a line and the row gives the buttons. errorLine (the text of the last error) is
// added after the lines when MessageErrorLine is set. A ready-made row is in the host's language.
MessageShown MakeMessageShown(std::uint32_t flags, const char* helpTopic, const char* const* items,
                              int itemsNumber, int buttonsNumber,
                              const std::optional<std::string>& errorLine,
                              const HostTexts& texts = TextsFor("en"));

// The buttons of a ready-made row (MessageOk ...), empty for none.
std::vector<std::string> ReadyMadeButtons(std::uint32_t flags,
                                          const HostTexts& texts = TextsFor("en"));

} // namespace ulvar::standin
