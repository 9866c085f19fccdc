#pragma once

// A panel description that owns every text and table the host's record points to, so that a
// saved copy stays valid after the folder that built it is gone.

#include "ulvar/Plugin.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace sentrel {

class Description {
public:
    std::uint32_t flags = 0;
    std::string curDir, title;
    std::vector<ulvar::InfoPanelLine> lines;
    struct Mode {
        std::string types, widths;
        std::vector<std::string> titles; // empty: the host's own titles
        bool fullScreen = false;
    };
    std::vector<Mode> modes; // none or ulvar::ViewModeCount
    int startMode = ulvar::NoStartMode;
    int startSort = ulvar::SortByName;
    // Key-bar labels by row (plain, Ctrl, Alt, Shift) and F-key index 0..11; none = host's.
    void SetKey(int row, int fkey, const std::string& label);

    void AddLine(const std::string& text, const std::string& data, bool separator = false);

    // Fills the record; the pointers stay valid while this object lives unchanged.
    void Fill(ulvar::OpenPluginInfoRecord& record, const char* titleOverride);

private:
    std::deque<std::string> keyTexts_;
    ulvar::KeyBarTitles keyBar_{};
    bool hasKeys_ = false;
    std::vector<ulvar::PanelMode> panelModes_;
    std::vector<std::vector<const char*>> titlePointers_;
};

} // namespace sentrel
