#pragma once

// How the panel describes itself to the host: ".." added, names shown as they are, the title,
// and ten identical view modes with the name, local, remote and state columns.

#include "ulvar/Plugin.h"

#include <array>
#include <string>

namespace sockwell {

class PanelLayout {
public:
    // titles: the panel title and the four column titles (messages 0 to 4); the texts are copied.
    PanelLayout(std::string title, std::array<std::string, 4> columnTitles);
    PanelLayout(const PanelLayout&) = delete;
    PanelLayout& operator=(const PanelLayout&) = delete;

    // Fills the record with pointers into this object.
    void Fill(ulvar::OpenPluginInfoRecord& record) const;

private:
    std::string title_;
    std::array<std::string, 4> columnTitles_;
    std::array<const char*, 4> titlePointers_{};
    std::array<ulvar::PanelMode, ulvar::ViewModeCount> modes_{};
};

inline constexpr const char* ColumnTypes = "N,C0,C1,C2";
inline constexpr const char* ColumnWidths = "5,0,0,11";

} // namespace sockwell
