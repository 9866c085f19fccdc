#include "tools/cobwen-cat/CatalogueJson.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/FieldDecoding.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/ValueList.h"

namespace cobwen::cat {
namespace {

Json ValueListToJson(const ValueList& list) {
    Json values = Json::array();
    for (const std::string& value : list.Items()) {
        values.push_back(Cp1251ToUtf8(value));
    }
    return values;
}

} // namespace

Json RecordToJson(const TCobwenData& record, const TextLocale& locale) {
    Json out;
    out["Id"] = record.Id;
    out["Name"] = Cp1251ToUtf8(record.Name);
    out["Category"] = Cp1251ToUtf8(record.Category);
    out["Description"] = Cp1251ToUtf8(record.Description);
    out["URL"] = Cp1251ToUtf8(record.URL);
    out["EMail"] = Cp1251ToUtf8(record.EMail);
    out["Author"] = Cp1251ToUtf8(record.Author);
    out["HomePage"] = Cp1251ToUtf8(record.HomePage);
    out["Version"] = Cp1251ToUtf8(record.Version);
    out["UlvarVersion"] = Cp1251ToUtf8(record.UlvarVersion);
    out["WindowsVersion"] = Cp1251ToUtf8(record.WindowsVersion);
    out["SrcLanguage"] = Cp1251ToUtf8(record.SrcLanguage);
    out["Size"] = record.Size;
    out["Date"] = record.Date == 0 ? Json(nullptr) : Json(FormatIsoDate(record.Date));
    out["Stamp"] = Cp1251ToUtf8(record.Stamp);
    out["HasSources"] = record.HasSources;
    out["DescriptionText"] = Cp1251ToUtf8(HtmlToText(record.Description));
    out["EMailAddress"] = Cp1251ToUtf8(EMailAddress(record.EMail));
    out["SrcLanguageName"] = Cp1251ToUtf8(SrcLanguageName(record.SrcLanguage));
    out["WindowsVersionText"] = Cp1251ToUtf8(WindowsVersionText(record.WindowsVersion));
    out["SizeText"] = Cp1251ToUtf8(FormatSize(record.Size, locale));
    return out;
}

Json ArchiveToJson(const TCobwenArchive& archive, int result, const TextLocale& locale) {
    Json out;
    out["result"] = result;
    out["count"] = archive.Count();
    out["newestStamp"] = Cp1251ToUtf8(archive.NewestStamp());
    out["catalogueDate"] = FormatIsoDate(archive.CatalogueDate());
    out["categories"] = ValueListToJson(archive.Categories());
    out["authors"] = ValueListToJson(archive.Authors());
    out["ulvarVersions"] = ValueListToJson(archive.UlvarVersions());
    out["srcLanguages"] = ValueListToJson(archive.SrcLanguages());
    Json records = Json::array();
    for (const auto& record : archive.Items()) {
        records.push_back(RecordToJson(*record, locale));
    }
    out["records"] = std::move(records);
    return out;
}

} // namespace cobwen::cat
