// One rebuild of the catalogue list (the record indexes FillList gives) over the 65535-record
// catalogue, with the name filter searching every field FindIn can add. The list must follow every
// keystroke in the name filter: a rebuild should cost at most 30 ms. Usage: list_filter_bench
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

// Plain words take the direct search; the rest go through the expression engine. A pattern that
// matches nothing is the worst case: every field of every record is searched to its end.
constexpr NamePattern Patterns[] = {
    {"plain/none", "qqqzz"},
    {"plain/common", "zip"},
    {"plain/one-letter", "q"},
    {"plain/cyrillic", "архив"},
    {"plain/alternatives", "arj|rar"},
    {"regex/none", "qq[0-9]+z"},
    {"regex/anchored", "^zip"},
    {"regex/class", "v[0-9]\\.[0-9]+ beta"},
    // Nothing plain that every match needs: the expression engine reads every field.
    {"regex/no-literal", "[0-9]{3}[a-z]{4}"},
};

void BenchFillList(benchmark::State& state, const cobwen::TCobwenArchive& archive,
                   const cobwen::FilterLists& lists, const cobwen::FilterInput& input,
                   const cobwen::TextLocale& locale) {
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<int> shown = cobwen::FillList(archive, lists, input, locale);
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
        BenchFillList(state, archive, lists, unfiltered, locale);
    })->Unit(benchmark::kMillisecond);

    for (const NamePattern& pattern : Patterns) {
        cobwen::FilterInput input;
        input.Now = cobwen::Now();
        input.Panel.UseName = true;
        input.Panel.Name = cobwen::Utf8ToCp1251(pattern.utf8);
        input.FindIn = cobwen::FindInMask;
        benchmark::RegisterBenchmark((std::string("FillList/all-fields/") + pattern.label).c_str(),
                                     [&, input](benchmark::State& state) {
                                         BenchFillList(state, archive, lists, input, locale);
                                     })
            ->Unit(benchmark::kMillisecond);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
