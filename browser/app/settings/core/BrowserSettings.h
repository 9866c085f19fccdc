#pragma once

#include "browser/app/settings/core/CobwenSettings.h"
#include "browser/app/settings/core/MCIntegerList.h"
#include "browser/app/settings/core/MainWindowSettings.h"
#include "browser/app/settings/core/ViewSettings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace cobwen {

inline constexpr std::int32_t DefaultLastListSize = 122880;

// Everything the main window keeps in the settings store: what LoadSettings fills and SaveSettings
// writes back.
struct BrowserSettings {
    TCobwenSettings Settings;
    ViewSettings View;
    MainWindowSettings Window;
    TMCIntegerList BasketIds;
    // Size of the local catalogue after the last refresh: the progress bar's full scale.
    std::int32_t LastListSize = DefaultLastListSize;
    std::string DescriptionFile = "Descript.ion"; // read only
    bool UseOtherCopy = false;                    // read only: copy commands write Unicode text
    // The column layouts of the catalogue list and of the basket list, in the list component's own
    // format; kept in registry mode only. Nothing means "no stored layout" (when loading) or "leave
    // the stored one" (when saving).
    std::optional<std::string> ListLayout;
    std::optional<std::string> BasketLayout;

    friend bool operator==(const BrowserSettings&, const BrowserSettings&) = default;
};

} // namespace cobwen
