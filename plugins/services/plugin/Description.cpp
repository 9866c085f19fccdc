#include "plugins/services/plugin/Description.h"

#include "plugin-host/kit/core/ItemBuilders.h"

namespace sentrel {

void Description::SetKey(int row, int fkey, const std::string& label) {
    const char* text = keyTexts_.emplace_back(label).c_str();
    const char** rows[] = {keyBar_.Titles, keyBar_.CtrlTitles, keyBar_.AltTitles,
                           keyBar_.ShiftTitles};
    rows[row][fkey] = text;
    hasKeys_ = true;
}

void Description::AddLine(const std::string& text, const std::string& data, bool separator) {
    ulvar::InfoPanelLine line{};
    ulvar::kit::CopyText(line.Text, text);
    ulvar::kit::CopyText(line.Data, data);
    line.Separator = separator ? 1 : 0;
    lines.push_back(line);
}

void Description::Fill(ulvar::OpenPluginInfoRecord& record, const char* titleOverride) {
    panelModes_.assign(modes.size(), ulvar::PanelMode{});
    titlePointers_.assign(modes.size(), {});
    for (std::size_t i = 0; i < modes.size(); ++i) {
        ulvar::PanelMode& mode = panelModes_[i];
        if (!modes[i].types.empty()) {
            mode.ColumnTypes = modes[i].types.c_str();
            mode.ColumnWidths = modes[i].widths.c_str();
        }
        for (const std::string& columnTitle : modes[i].titles)
            titlePointers_[i].push_back(columnTitle.c_str());
        mode.ColumnTitles = titlePointers_[i].empty() ? nullptr : titlePointers_[i].data();
        mode.FullScreen = modes[i].fullScreen ? 1 : 0;
    }
    const int size = record.StructSize;
    record = ulvar::OpenPluginInfoRecord{};
    record.StructSize = size;
    record.Flags = flags;
    record.CurDir = curDir.c_str();
    record.Format = "";
    record.PanelTitle = titleOverride ? titleOverride : title.c_str();
    record.InfoLines = lines.empty() ? nullptr : lines.data();
    record.InfoLinesNumber = static_cast<int>(lines.size());
    record.PanelModesArray = panelModes_.empty() ? nullptr : panelModes_.data();
    record.PanelModesNumber = static_cast<int>(panelModes_.size());
    record.StartPanelMode = startMode;
    record.StartSortMode = startSort;
    record.KeyBar = hasKeys_ ? &keyBar_ : nullptr;
}

} // namespace sentrel
