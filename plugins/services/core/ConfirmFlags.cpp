#include "plugins/services/core/ConfirmFlags.h"

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"

namespace sentrel {

namespace {

constexpr ConfirmEntry Entries[] = {
    {0x001, 79, 80, 68, false}, // start of one item
    {0x001, 81, 81, 71, false}, // continue of one item
    {0x002, 85, 86, 72, true},  // restart of one item
    {0x004, 84, 84, 70, true},  // pause of one item
    {0x008, 82, 83, 69, true},  // stop of one item
    {0x010, 94, 95, 66, true},  // deletion
    {0x020, 87, 88, 68, false}, // start of several items
    {0x040, 92, 93, 72, true},  // restart of several items
    {0x080, 91, 91, 70, true},  // pause of several items
    {0x100, 89, 90, 69, true},  // stop of several items
};

} // namespace

const ConfirmEntry& ConfirmEntryFor(ConfirmKind kind) {
    return Entries[static_cast<int>(kind)];
}

ConfirmKind OneItemKind(int operation) {
    switch (operation) {
    case 1:
        return ConfirmKind::StopOne;
    case 2:
        return ConfirmKind::PauseOne;
    case 3:
        return ConfirmKind::ContinueOne;
    default:
        return ConfirmKind::StartOne;
    }
}

ConfirmKind ManyItemsKind(int keyOperation) {
    switch (keyOperation) {
    case 1:
        return ConfirmKind::StopMany;
    case 2:
        return ConfirmKind::PauseMany;
    case 3:
        return ConfirmKind::RestartMany;
    default:
        return ConfirmKind::StartMany;
    }
}

bool ConfirmOperation(ConfirmKind kind, bool drivers, std::uint32_t cfmFlags,
                      const std::string& insert, const std::function<std::string(int)>& message,
                      const std::function<int(const ConfirmQuestion&)>& show) {
    const ConfirmEntry& entry = ConfirmEntryFor(kind);
    if ((cfmFlags & entry.bit) == 0)
        return true;
    ConfirmQuestion question;
    question.warning = entry.warning;
    question.texts = {
        message(msg::Warning),
        FillInserts(message(drivers ? entry.driversQuestion : entry.servicesQuestion), {insert}),
        message(entry.button), message(msg::Cancel)};
    return show(question) == 0;
}

} // namespace sentrel
