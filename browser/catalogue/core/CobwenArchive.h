#pragma once

#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/core/FileNameIndex.h"
#include "browser/catalogue/core/ValueList.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace cobwen {

class TextLocale;

// The catalogue site's host; a local site can stand in for it.
inline constexpr const char* DefaultCatalogueHost = "cobwen.ulvar.org";

// Result codes of TCobwenArchive::LoadFromFile.
enum LoadResult : int {
    LoadOk = 0,          // every line became a record
    LoadNoLines = 1,     // the file decompressed to nothing; old records kept
    LoadUnreadable = 2,  // decompression failed; old records kept
    LoadSkippedLines = 3 // some lines had too few fields and were skipped (or did not fit)
};

// The catalogue: its records in file order and the distinct values the list filters offer.
class TCobwenArchive {
public:
    static constexpr int MaxCount = 65535;
    static constexpr int FieldCount = 19;
    static constexpr char FieldSeparator = '\x14';

    explicit TCobwenArchive(const TextLocale& locale,
                            const std::string& host = DefaultCatalogueHost);
    ~TCobwenArchive();

    TCobwenArchive(const TCobwenArchive&) = delete;
    TCobwenArchive& operator=(const TCobwenArchive&) = delete;

    // 1 takes the Russian description and author, anything else the English ones.
    std::uint8_t Language = 0;

    int LoadFromFile(const std::filesystem::path& path);
    // Parses decompressed catalogue text as LoadFromFile does after decompression (no file date).
    int LoadFromText(const std::string& text);

    const TCobwenData* GetItem(int index) const;
    // The first record, in catalogue order, whose URL ends with `name`, ignoring case; null when
    // none does. Answered from an index made on the first search after each load; searches may
    // come from several threads at once, but never during a load.
    const TCobwenData* FindByFileName(std::string_view name) const;
    // The same answer from a walk over every URL: the rule the index keeps, for comparisons.
    const TCobwenData* FindByFileNameWalk(std::string_view name) const;
    void Clear();

    std::uint16_t Count() const { return static_cast<std::uint16_t>(items_.size()); }
    const std::vector<std::unique_ptr<TCobwenData>>& Items() const { return items_; }

    const ValueList& Categories() const { return categories_; }
    const ValueList& Authors() const { return authors_; }
    const ValueList& UlvarVersions() const { return ulvarVersions_; }
    const ValueList& SrcLanguages() const { return srcLanguages_; }

    const std::string& NewestStamp() const { return newestStamp_; }
    // Lines of the text the last load parsed (0 when it got no text to parse).
    int LineCount() const { return lineCount_; }
    // The modification time of the last catalogue read, or today's date when none was obtained.
    DateTime CatalogueDate() const;
    DateTime StoredCatalogueDate() const { return catalogueDate_; }

    const std::string& CatalogueURL() const { return catalogueURL_; }
    const std::string& FilesURL() const { return filesURL_; }

    static constexpr char DateSeparator = '.';

private:
    int ParseLines(const std::string& text);
    void FillRecord(TCobwenData& record, const std::vector<std::string_view>& fields,
                    int lineNumber);

    const TextLocale& locale_;
    std::vector<std::unique_ptr<TCobwenData>> items_;
    std::vector<std::string> lowerUrls_; // for FindByFileName, parallel to items_
    mutable std::mutex nameIndexLock_;
    mutable std::unique_ptr<FileNameIndex> nameIndex_;
    ValueList categories_;
    ValueList authors_;
    ValueList ulvarVersions_;
    ValueList srcLanguages_;
    std::string newestStamp_;
    DateTime catalogueDate_ = 0;
    int lineCount_ = 0;
    std::string catalogueURL_;
    std::string filesURL_;
};

} // namespace cobwen
