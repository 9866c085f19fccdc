#pragma once

#include "browser/app/list/core/FilterLists.h"
#include "browser/app/list/core/FindInFlags.h"
#include "browser/app/list/core/NameMatcher.h"
#include "browser/app/settings/core/MainWindowSettings.h"
#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/core/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cobwen {

class TCobwenArchive;
class TextLocale;

// What the filter tests read. `Panel` is the state of the filter panel: the seven check boxes,
// the selected item of each drop-down (an index into the matching list of FilterLists; -1 when
// nothing is selected) and the name filter's text. Its SetOffOther is not read here.
struct FilterInput {
    FilterSettings Panel;
    std::uint8_t FindIn = 0; // FindInFlags
    DateTime Now = 0;        // the moment the release periods count back from
};

// The seven filter tests of one list rebuild; the name expression is compiled once, on
// construction, and the drop-downs' texts are copied then. A drop-down with nothing selected shows
// an empty text, which is what filters 1, 2, 5 and 6 then compare with; with no Windows version
// selected no record has a common bit.
// Not for several threads at once: the name expression's matcher keeps state between records.
class ListFilter {
public:
    ListFilter(const FilterLists& lists, const FilterInput& input, const TextLocale& locale,
               NameEngine engine = NameEngine::Automaton);

    // Every test, in the order category, author, release period, sources, host version, Windows
    // version, name; a filter that is off passes.
    bool Passes(const TCobwenData& record) const;

    // The name test: true when the filter is off or its text empty; otherwise whether the
    // expression matches the name, or a field FindIn adds (description, URL, home page, e-mail, in
    // that order). False for every record while the text is no valid expression.
    bool NameMatches(const TCobwenData& record) const;

    // False while the name filter is on with a text that is no valid expression.
    bool NameExpressionValid() const;

    // Whether the name filter is on with a text (then it costs more than the other tests).
    bool NameActive() const { return nameActive_; }

private:
    FilterInput input_;
    std::string category_, author_, srcLanguage_, ulvarVersion_;
    std::optional<int> periodDays_;
    std::uint32_t windowsMask_ = 0;
    bool nameActive_ = false;
    std::optional<NameMatcher> matcher_;
};

// How a rebuild runs.
struct FillOptions {
    NameEngine Engine = NameEngine::Automaton;
    // How many threads share the records, each with a consecutive part; 0 lets the rebuild choose:
    // one for each core when the name filter is on and the catalogue is long enough for the
    // threads to pay, else one.
    unsigned Workers = 0;
};

// The record indexes of the rows of a rebuilt catalogue list: every record of the archive that
// passes the filters, in archive order.
std::vector<int> FillList(const TCobwenArchive& archive, const FilterLists& lists,
                          const FilterInput& input, const TextLocale& locale,
                          const FillOptions& options = {});

// Status-bar panel 0: "%d/%d" with the rows shown and the records of the catalogue.
std::string RowCountText(int rowCount, int recordCount);

} // namespace cobwen
