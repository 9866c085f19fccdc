#include "browser/app/list/core/RowColours.h"

namespace cobwen {

namespace {

// The mark of a plug-in, whatever cell of its row is drawn.
std::optional<std::uint32_t> MarkColour(const TCobwenData& record,
                                        const RowColourContext& context) {
    if (context.DownloadedIds.Contains(record.Id)) {
        return context.View.ColorDownloaded;
    }
    // Byte-wise, as std::string compares: stamps are fixed-width digit texts.
    if (std::string_view(record.Stamp) > context.PreviousNewestStamp) {
        return context.View.ColorNew;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint32_t> CellColour(const TCobwenData* record, int rowPosition,
                                        int columnPosition, bool selected,
                                        const RowColourContext& context) {
    if (selected || context.TransferRunning) {
        return std::nullopt;
    }
    if (record != nullptr) {
        if (auto mark = MarkColour(*record, context)) {
            return mark;
        }
    }
    if (!context.View.StripedRow) {
        if (columnPosition % 2 == 1) {
            return context.View.ColorOdd;
        }
    } else if (!context.PreviewShown && rowPosition % 2 == 1) {
        return context.View.ColorList;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> PreviewColour(const TCobwenData* record, bool selected,
                                           const RowColourContext& context) {
    if (selected || context.TransferRunning) {
        return std::nullopt;
    }
    if (record != nullptr) {
        if (auto mark = MarkColour(*record, context)) {
            return mark;
        }
    }
    return context.View.ColorList;
}

} // namespace cobwen
