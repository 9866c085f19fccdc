#include "plugins/netstat/core/PanelLayout.h"

namespace sockwell {

PanelLayout::PanelLayout(std::string title, std::array<std::string, 4> columnTitles)
    : title_(std::move(title)), columnTitles_(std::move(columnTitles)) {
    for (std::size_t i = 0; i < columnTitles_.size(); ++i)
        titlePointers_[i] = columnTitles_[i].c_str();
    for (auto& mode : modes_) {
        mode = ulvar::PanelMode{};
        mode.ColumnTypes = ColumnTypes;
        mode.ColumnWidths = ColumnWidths;
        mode.ColumnTitles = titlePointers_.data();
        mode.FullScreen = 0;
        mode.DetailedStatus = 1;
        mode.AlignExtensions = 1;
        mode.CaseConversion = 1;
    }
}

void PanelLayout::Fill(ulvar::OpenPluginInfoRecord& record) const {
    record.Flags = ulvar::PanelAddDots | ulvar::PanelPreserveCase;
    record.HostFile = nullptr;
    record.CurDir = nullptr;
    record.Format = nullptr;
    record.PanelTitle = title_.c_str();
    record.InfoLines = nullptr;
    record.InfoLinesNumber = 0;
    record.PanelModesArray = modes_.data();
    record.PanelModesNumber = static_cast<int>(modes_.size());
    record.KeyBar = nullptr;
}

} // namespace sockwell
