#include "browser/catalogue/core/CobwenArchive.h"

#include "browser/catalogue/core/FileAge.h"
#include "browser/catalogue/core/GZip.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/core/UrlHelpers.h"

#include <algorithm>
#include <cstring>

namespace cobwen {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
               };
               return lower(x) == lower(y);
           });
}

void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = line.find(TCobwenArchive::FieldSeparator, start);
        if (sep == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return;
        }
        fields.push_back(line.substr(start, sep - start));
        start = sep + 1;
    }
}

// Calls `onLine(line, number)` for each line of the text (CR LF, CR or LF ends a line; the last
// line needs no end) and returns how many there were. The next CR and LF are looked up with memchr
// and kept until passed, so a text of CR-only or LF-only lines is still read in one pass.
template <typename OnLine> int ForEachLine(std::string_view text, OnLine onLine) {
    const char* const end = text.data() + text.size();
    auto next = [end](const char* from, char c) {
        const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return found != nullptr ? static_cast<const char*>(found) : end;
    };
    const char* p = text.data();
    const char* lf = next(p, '\n');
    const char* cr = next(p, '\r');
    int lines = 0;
    while (p < end) {
        if (lf < p) {
            lf = next(p, '\n');
        }
        if (cr < p) {
            cr = next(p, '\r');
        }
        const char* const stop = std::min(lf, cr);
        onLine(std::string_view(p, static_cast<std::size_t>(stop - p)), lines++);
        p = stop;
        if (p < end && *p == '\r') {
            ++p;
        }
        if (p < end && *p == '\n' && (p == stop || p[-1] == '\r')) {
            ++p;
        }
    }
    return lines;
}

} // namespace

TCobwenArchive::TCobwenArchive(const TextLocale& locale, const std::string& host)
    : locale_(locale), categories_(locale), authors_(locale), ulvarVersions_(locale),
      srcLanguages_(locale), catalogueURL_("http://" + host + "/downld/plugins.dat.gz"),
      filesURL_("http://" + host + "/downld/files/") {
}

TCobwenArchive::~TCobwenArchive() {
    Clear();
}

int TCobwenArchive::LoadFromFile(const std::filesystem::path& path) {
    lineCount_ = 0;
    MemoryStream stream;
    try {
        stream.Bytes().reserve(GzipSizeHint(path));
        TGZip gzip;
        gzip.DecompressFile(path, stream);
    } catch (const std::exception&) {
        return LoadUnreadable;
    }
    const int result = LoadFromText(stream.Bytes());
    if (result == LoadOk || result == LoadSkippedLines) {
        catalogueDate_ = FileAge(path);
    }
    return result;
}

int TCobwenArchive::LoadFromText(const std::string& text) {
    lineCount_ = 0;
    if (text.empty()) {
        return LoadNoLines;
    }
    newestStamp_.clear();
    Clear();
    std::vector<std::string_view> fields;
    fields.reserve(32);
    lineCount_ = ForEachLine(text, [&](std::string_view line, int number) {
        SplitFields(line, fields);
        // Beyond the count's width nothing more is kept; the result then tells of lost lines.
        if (fields.size() < FieldCount || items_.size() >= MaxCount) {
            return;
        }
        auto record = std::make_unique<TCobwenData>();
        FillRecord(*record, fields, number);
        categories_.Add(record->Category);
        authors_.Add(record->Author);
        ulvarVersions_.Add(record->UlvarVersion);
        if (record->HasSources) {
            srcLanguages_.Add(record->SrcLanguage);
        }
        lowerUrls_.push_back(locale_.Lower(record->URL));
        items_.push_back(std::move(record));
    });
    return lineCount_ == static_cast<int>(items_.size()) ? LoadOk : LoadSkippedLines;
}

void TCobwenArchive::FillRecord(TCobwenData& record, const std::vector<std::string_view>& fields,
                                int lineNumber) {
    const bool russian = Language == 1;
    if (!TryParseInt32(fields[0], record.Id)) {
        record.Id = -lineNumber;
    }
    record.Name = fields[2];
    record.Category = fields[3];
    record.Description = fields[russian ? 4 : 5];
    record.URL =
        ContainsHttpScheme(fields[6]) ? std::string(fields[6]) : filesURL_ + std::string(fields[6]);
    record.EMail = fields[8];
    record.Author = fields[russian ? 9 : 10];
    record.HomePage = fields[11];
    record.Version = fields[12];
    record.UlvarVersion = fields[14];
    record.WindowsVersion = fields[15];
    record.SrcLanguage = fields[17];
    if (!TryParseInt32(RemoveChar(fields[7], ' '), record.Size)) {
        record.Size = 0;
    }
    std::string date(fields[13]);
    std::replace(date.begin(), date.end(), '/', DateSeparator);
    record.Date = ReadDate(date, DateSeparator).value_or(0);
    record.Stamp = fields[18];
    if (record.Stamp > newestStamp_) {
        newestStamp_ = record.Stamp;
    }
    record.HasSources = EqualsIgnoringAsciiCase(fields[16], "yes");
}

const TCobwenData* TCobwenArchive::GetItem(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        return nullptr;
    }
    return items_[static_cast<std::size_t>(index)].get();
}

const TCobwenData* TCobwenArchive::FindByFileName(std::string_view name) const {
    const FileNameIndex* index = nullptr;
    {
        // Made on the first search after a load, by whichever thread searches first.
        const std::lock_guard guard(nameIndexLock_);
        if (!nameIndex_)
            nameIndex_ = std::make_unique<FileNameIndex>(lowerUrls_);
        index = nameIndex_.get();
    }
    const int position = index->Find(locale_.Lower(name));
    return position < 0 ? nullptr : items_[static_cast<std::size_t>(position)].get();
}

const TCobwenData* TCobwenArchive::FindByFileNameWalk(std::string_view name) const {
    const int position = FileNameIndex::FindByWalk(lowerUrls_, locale_.Lower(name));
    return position < 0 ? nullptr : items_[static_cast<std::size_t>(position)].get();
}

void TCobwenArchive::Clear() {
    items_.clear();
    lowerUrls_.clear();
    const std::lock_guard guard(nameIndexLock_);
    nameIndex_.reset();
}

DateTime TCobwenArchive::CatalogueDate() const {
    return catalogueDate_ != 0 ? catalogueDate_ : Today();
}

} // namespace cobwen
