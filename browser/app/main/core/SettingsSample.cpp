#include "browser/app/main/core/SettingsSample.h"

#include "browser/app/list/core/RowColours.h"
#include "browser/app/main/core/SettingsFormValues.h"
#include "browser/app/templates/core/InfoTemplate.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"

#include <algorithm>

namespace cobwen {

namespace {

constexpr int SampleRecordCount = 3;

constexpr char NewPluginPreview[] =
    "Созерцание непредсказуемо. Постмодернизм творит примитивный закон внешнего мира. Согласно "
    "мнению известных философов визуальность, в рамках сегодняшних воззрений, индуктивно "
    "трансформирует объект деятельности.";
constexpr char DownloadedPluginPreview[] =
    "Отношение к современности, в рамках сегодняшних воззрений, нетривиально. Визуальность, "
    "следовательно, контролирует конфликт. Современная критика иллюзорна.";

SampleRow Sample(SampleKind kind, const char* utf8Name, const char* version, const char* category,
                 DateTime date, std::int32_t size) {
    SampleRow row;
    row.Kind = kind;
    row.Data.Id = -1;
    row.Data.Name = Utf8ToCp1251(utf8Name);
    row.Data.Version = version;
    row.Data.Category = category;
    row.Data.Date = date;
    row.Data.Size = size;
    return row;
}

} // namespace

std::vector<SampleRow> BuildSampleRows(const TCobwenArchive& archive, DateTime today) {
    std::vector<SampleRow> rows;
    rows.push_back(Sample(SampleKind::NewPlugin, "Новый плагин", "1.0", "Utils", today, 1024));
    rows.push_back(Sample(SampleKind::DownloadedPlugin, "Закачанный плагин", "2.0", "Editor",
                          today - 1, 2048));
    const int records = std::min<int>(archive.Count(), SampleRecordCount);
    for (int index = 0; index < records; ++index)
        if (const TCobwenData* record = archive.GetItem(index))
            rows.push_back({SampleKind::Record, *record});
    return rows;
}

std::string SamplePreviewText(const SampleRow& row, std::string_view addInfoFormat,
                              const TextLocale& locale) {
    switch (row.Kind) {
    case SampleKind::NewPlugin:
        return Utf8ToCp1251(NewPluginPreview);
    case SampleKind::DownloadedPlugin:
        return Utf8ToCp1251(DownloadedPluginPreview);
    case SampleKind::Record:
        break;
    }
    return ExpandTemplate(TrimTemplate(addInfoFormat), row.Data, locale);
}

std::optional<std::uint32_t> SampleCellColour(SampleKind kind, int rowPosition, int columnPosition,
                                              bool selected, const ViewSettings& view,
                                              bool previewShown) {
    if (selected)
        return std::nullopt;
    switch (kind) {
    case SampleKind::NewPlugin:
        return view.ColorNew;
    case SampleKind::DownloadedPlugin:
        return view.ColorDownloaded;
    case SampleKind::Record:
        break;
    }
    const TMCIntegerList noneDownloaded;
    const RowColourContext context{view, noneDownloaded, {}, false, previewShown};
    return CellColour(nullptr, rowPosition, columnPosition, false, context);
}

std::optional<std::uint32_t> SamplePreviewColour(SampleKind kind, bool selected,
                                                 const ViewSettings& view) {
    if (selected)
        return std::nullopt;
    switch (kind) {
    case SampleKind::NewPlugin:
        return view.ColorNew;
    case SampleKind::DownloadedPlugin:
        return view.ColorDownloaded;
    case SampleKind::Record:
        break;
    }
    return view.ColorList;
}

} // namespace cobwen
