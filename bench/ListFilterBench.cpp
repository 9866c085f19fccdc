// One rebuild of the catalogue list (the record indexes FillList gives) over the 65535-record
// catalogue, with the name filter searching every field FindIn can add, for each expression of a
// table beside the backtracking engine the filter used before its automaton. The list must follow
// every keystroke in the name filter: a rebuild should cost at most 30 ms. Usage: list_filter_bench
// [benchmark options] [FILE] (FILE defaults to the catalogue generated at build time).

#include "browser/app/list/core/FilterLists.h"
#include "browser/app/list/core/ListFilter.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextLocale.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

struct NamePattern {
    const char* label;
    const char* utf8;
};

// What users type into the name filter. Plain words take the direct search; expressions go
// through the plain part every match needs, then the automaton. A pattern that matches nothing is
// the worst case: every field of every record is searched to its end.
constexpr NamePattern Patterns[] = {
    {"plain/none", "qqqzz"},
    {"plain/common", "zip"},
    {"plain/one-letter", "q"},
    {"plain/cyrillic", "архив"},
    {"plain/two-words", "file manager"},
    {"alternatives/plain", "arj|rar"},
    {"alternatives/cyrillic", "архив|просмотр|редактор"},
    {"alternatives/group", "(zip|rar|7z) view"},
    {"alternatives/scheme", "(?:https?|ftp)://"},
    {"class/version", "v[0-9]\\.[0-9]+ beta"},
    {"class/none", "qq[0-9]+z"},
    {"class/cyrillic", "[а-я]+ер\\b"},
    {"class/e-mail", "[a-z0-9._]+@[a-z]+\\.ru"},
    {"anchor/start", "^zip"},
    {"anchor/end", "\\.rar$"},
    {"anchor/whole", "^[a-z]+$"},
    {"anchor/cyrillic", "^[а-я]"},
    {"count/digits-letters", "[0-9]{3}[a-z]{4}"},
    {"count/long-word", "[a-z]{12,}"},
    {"count/date", "\\d{4}-\\d{2}"},
    {"count/cyrillic-capitals", "[А-Я]{5,}"},
    {"optional/colour", "colou?r"},
    {"lazy/three-letters", "a.*?b.*?c"},
    {"word/boundaries", "\\bnet\\b"},
    {"no-literal/class-count", "[xyz]{2}[0-9]"},
    {"no-literal/hex", "(\\d|[a-f]){8}"},
    {"no-literal/number", "\\d+\\.\\d+"},
    // Kept on the backtracking engine: it refers back to a group.
    {"back-reference/triple", "(\\w)\\1\\1"},
};

// How a rebuild is run: as before the automaton (the backtracking engine, one thread), with the
// automaton on one thread, and as the browser runs it (the automaton, threads as they pay).
struct Variant {
    const char* label;
    cobwen::FillOptions options;
};
const Variant Variants[] = {
    {"backtracking", {cobwen::NameEngine::Backtracking, 1}},
    {"automaton-1-thread", {cobwen::NameEngine::Automaton, 1}},
    {"automaton", {cobwen::NameEngine::Automaton, 0}},
};

void BenchFillList(benchmark::State& state, const cobwen::TCobwenArchive& archive,
                   const cobwen::FilterLists& lists, const cobwen::FilterInput& input,
                   const cobwen::TextLocale& locale, const cobwen::FillOptions& options) {
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<int> shown = cobwen::FillList(archive, lists, input, locale, options);
        benchmark::DoNotOptimize(shown.data());
        rows = shown.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string path = argc > 1 ? argv[1] : COBWEN_BENCH_CATALOGUE;

    const cobwen::BuiltinRussianLocale locale;
    cobwen::TCobwenArchive archive(locale);
    archive.Language = 1;
    if (archive.LoadFromFile(path) != cobwen::LoadOk || archive.Count() < 2) {
        std::fprintf(stderr, "list_filter_bench: %s is no complete catalogue\n", path.c_str());
        return 1;
    }
    const cobwen::FilterLists lists = cobwen::BuildFilterLists(archive);
    std::fprintf(stderr, "catalogue: %s, %d records\n", path.c_str(), archive.Count());

    cobwen::FilterInput unfiltered;
    unfiltered.Now = cobwen::Now();
    benchmark::RegisterBenchmark("FillList/no-filter", [&](benchmark::State& state) {
        BenchFillList(state, archive, lists, unfiltered, locale, {});
    })->Unit(benchmark::kMillisecond);

    for (const NamePattern& pattern : Patterns) {
        cobwen::FilterInput input;
        input.Now = cobwen::Now();
        input.Panel.UseName = true;
        input.Panel.Name = cobwen::Utf8ToCp1251(pattern.utf8);
        input.FindIn = cobwen::FindInMask;
        for (const Variant& variant : Variants) {
            const std::string name =
                std::string("FillList/all-fields/") + pattern.label + "/" + variant.label;
            benchmark::RegisterBenchmark(name.c_str(), [&, input,
                                                        variant](benchmark::State& state) {
                state.SetLabel(pattern.utf8);
                BenchFillList(state, archive, lists, input, locale, variant.options);
            })->Unit(benchmark::kMillisecond);
        }
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
