#pragma once

#include "browser/app/settings/core/ViewSettings.h"
#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/core/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cobwen {

class TCobwenArchive;
class TextLocale;

// What a row of the settings dialog's sample list stands for.
enum class SampleKind : std::uint8_t {
    NewPlugin,        // the sample of a new plug-in
    DownloadedPlugin, // the sample of a downloaded plug-in
    Record,           // one of the catalogue's first records
};

struct SampleRow {
    SampleKind Kind = SampleKind::Record;
    TCobwenData Data; // what the five columns show
};

// The sample rows: the two samples dated `today` and the day before, then the first three
// records of the archive (all of them when it has fewer).
std::vector<SampleRow> BuildSampleRows(const TCobwenArchive& archive, DateTime today);

// The preview under a row (code page 1251): the samples' fixed texts, for a record the template
// in the dialog's field, trimmed, filled from the record.
std::string SamplePreviewText(const SampleRow& row, std::string_view addInfoFormat,
                              const TextLocale& locale);

// The backgrounds of the sample's unselected cells and previews, as the catalogue list colours
// its own rows (nothing: the list's own colour). The samples show the new and the downloaded
// colours; the records are striped by columns, or by rows while `striped` holds and no preview
// is shown.
std::optional<std::uint32_t> SampleCellColour(SampleKind kind, int rowPosition, int columnPosition,
                                              bool selected, const ViewSettings& view,
                                              bool previewShown);
std::optional<std::uint32_t> SamplePreviewColour(SampleKind kind, bool selected,
                                                 const ViewSettings& view);

} // namespace cobwen
