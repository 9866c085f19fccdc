#include "browser/app/list/core/ListFilter.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/FieldDecoding.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

namespace cobwen {

namespace {

// The text a drop-down shows: its selected value, or nothing when none is selected.
std::string ShownText(const std::vector<std::string>& values, int selected) {
    if (selected < 0 || selected >= static_cast<int>(values.size())) {
        return {};
    }
    return values[static_cast<std::size_t>(selected)];
}

// Below this many records for each thread, starting a thread costs more than it saves.
constexpr int RecordsPerWorker = 4096;

unsigned WorkersFor(const ListFilter& filter, int count, unsigned requested) {
    if (requested != 0) {
        return std::clamp<unsigned>(requested, 1, static_cast<unsigned>(std::max(count, 1)));
    }
    if (!filter.NameActive()) {
        return 1; // the other tests cost little next to a thread's start
    }
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return std::clamp<unsigned>(static_cast<unsigned>(count / RecordsPerWorker), 1, cores);
}

void AddPassing(const TCobwenArchive& archive, const ListFilter& filter, int begin, int end,
                std::vector<int>& rows) {
    for (int i = begin; i < end; ++i) {
        const TCobwenData* record = archive.GetItem(i);
        if (record != nullptr && filter.Passes(*record)) {
            rows.push_back(i);
        }
    }
}

} // namespace

ListFilter::ListFilter(const FilterLists& lists, const FilterInput& input, const TextLocale& locale,
                       NameEngine engine)
    : input_(input) {
    const FilterSettings& panel = input_.Panel;
    category_ = ShownText(lists.Category, panel.Category);
    author_ = ShownText(lists.Author, panel.Author);
    srcLanguage_ = ShownText(lists.SrcLanguage, panel.SrcLang);
    ulvarVersion_ = ShownText(lists.UlvarVersion, panel.UlvarVersion);
    if (panel.Date >= 0 && panel.Date < static_cast<int>(ReleasePeriods.size())) {
        periodDays_ = ReleasePeriods[static_cast<std::size_t>(panel.Date)].days;
    }
    if (panel.WindowsVersion >= 0 &&
        panel.WindowsVersion < static_cast<int>(WindowsVersions.size())) {
        windowsMask_ = WindowsVersions[static_cast<std::size_t>(panel.WindowsVersion)].mask;
    }
    nameActive_ = panel.UseName && !panel.Name.empty();
    if (nameActive_) {
        matcher_.emplace(panel.Name, locale, engine);
    }
}

bool ListFilter::Passes(const TCobwenData& record) const {
    const FilterSettings& panel = input_.Panel;
    if (panel.UseCategory && record.Category != category_) {
        return false;
    }
    if (panel.UseAuthor && record.Author != author_) {
        return false;
    }
    if (panel.UseRelease && periodDays_) {
        if (record.Date <= 0 || record.Date < input_.Now - *periodDays_) {
            return false;
        }
    }
    if (panel.HasSources) {
        if (!record.HasSources) {
            return false;
        }
        if (panel.SrcLang != 0 && SrcLanguageName(record.SrcLanguage) != srcLanguage_) {
            return false;
        }
    }
    if (panel.UseUlvarVersion && record.UlvarVersion != ulvarVersion_) {
        return false;
    }
    if (panel.UseWindowsVersion && (BitString(record.WindowsVersion) & windowsMask_) == 0) {
        return false;
    }
    return NameMatches(record);
}

bool ListFilter::NameMatches(const TCobwenData& record) const {
    if (!nameActive_) {
        return true;
    }
    const NameMatcher& matcher = *matcher_;
    if (!matcher.Valid()) {
        return false;
    }
    const std::uint8_t findIn = input_.FindIn;
    return matcher.Matches(record.Name) ||
           ((findIn & FindInDescription) != 0 && matcher.Matches(record.Description)) ||
           ((findIn & FindInURL) != 0 && matcher.Matches(record.URL)) ||
           ((findIn & FindInHomePage) != 0 && matcher.Matches(record.HomePage)) ||
           ((findIn & FindInEMail) != 0 && matcher.Matches(record.EMail));
}

bool ListFilter::NameExpressionValid() const {
    return !nameActive_ || matcher_->Valid();
}

std::vector<int> FillList(const TCobwenArchive& archive, const FilterLists& lists,
                          const FilterInput& input, const TextLocale& locale,
                          const FillOptions& options) {
    const ListFilter filter(lists, input, locale, options.Engine);
    std::vector<int> rows;
    const int count = archive.Count();
    if (!filter.NameExpressionValid()) {
        return rows;
    }
    const unsigned workers = WorkersFor(filter, count, options.Workers);
    const auto partStart = [&](unsigned part) {
        return static_cast<int>(static_cast<long long>(count) * part / workers);
    };
    // Each further thread takes a consecutive part of the records with a filter of its own; this
    // thread takes the first part. Their rows are joined in the parts' order.
    std::vector<std::vector<int>> partRows(workers);
    std::vector<std::exception_ptr> failures(workers);
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    unsigned started = 1; // parts from here on are left to this thread
    try {
        for (; started < workers; ++started) {
            const unsigned part = started;
            try {
                threads.emplace_back([&, part] {
                    try {
                        const ListFilter own(lists, input, locale, options.Engine);
                        AddPassing(archive, own, partStart(part), partStart(part + 1),
                                   partRows[part]);
                    } catch (...) {
                        failures[part] = std::current_exception();
                    }
                });
            } catch (const std::system_error&) {
                break; // no thread to be had: this one does the rest
            }
        }
        rows.reserve(static_cast<std::size_t>(count));
        AddPassing(archive, filter, 0, partStart(1), rows);
        for (unsigned part = started; part < workers; ++part) {
            AddPassing(archive, filter, partStart(part), partStart(part + 1), partRows[part]);
        }
    } catch (...) {
        failures[0] = std::current_exception();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    for (unsigned part = 1; part < workers; ++part) {
        rows.insert(rows.end(), partRows[part].begin(), partRows[part].end());
    }
    return rows;
}

std::string RowCountText(int rowCount, int recordCount) {
    return std::to_string(rowCount) + "/" + std::to_string(recordCount);
}

} // namespace cobwen
