#pragma once

#include <nlohmann/json.hpp>

namespace cobwen {
class TCobwenArchive;
class TextLocale;
struct TCobwenData;
} // namespace cobwen

namespace cobwen::cat {

// Keys stay in the order written, so the output reads like the record it describes.
using Json = nlohmann::ordered_json;

// The record's fields under their own names (texts as UTF-8, the date as "yyyy-mm-dd" or null),
// followed by the display texts derived from them.
Json RecordToJson(const TCobwenData& record, const TextLocale& locale);

// The load's result code, the archive's summary, its value lists and every record.
Json ArchiveToJson(const TCobwenArchive& archive, int result, const TextLocale& locale);

} // namespace cobwen::cat
