#pragma once

// The confirmations the user chooses in "CfmFlags": one bit per kind of operation, each with its
// question (services and drivers variant), its button and whether it is asked as a warning.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sentrel {

enum class ConfirmKind {
    StartOne,
    ContinueOne,
    RestartOne,
    PauseOne,
    StopOne,
    Delete,
    StartMany,
    RestartMany,
    PauseMany,
    StopMany,
};

struct ConfirmEntry {
    std::uint32_t bit;
    int servicesQuestion;
    int driversQuestion;
    int button;
    bool warning;
};

const ConfirmEntry& ConfirmEntryFor(ConfirmKind kind);

// The question of one item for a control operation (0 start, 1 stop, 2 pause, 3 continue) and of
// several items for a key (0 start, 1 stop, 2 pause, 3 restart).
ConfirmKind OneItemKind(int operation);
ConfirmKind ManyItemsKind(int keyOperation);

// A question ready for a message box: the title, the question and the two buttons.
struct ConfirmQuestion {
    std::vector<std::string> texts;
    bool warning = false;
};

// Asks when the kind's bit is set in cfmFlags (insert: the item's display name in OEM, or the
// number of items); true to proceed. show answers the question with the chosen button (0 is the
// first), or -1 when the box was closed.
bool ConfirmOperation(ConfirmKind kind, bool drivers, std::uint32_t cfmFlags,
                      const std::string& insert, const std::function<std::string(int)>& message,
                      const std::function<int(const ConfirmQuestion&)>& show);

} // namespace sentrel
