// The catalogue load measured against its floor, bare zlib decompression of the same file, the
// load's two halves, and the lookup of a downloaded file's record. Usage: catalogue_bench
// [benchmark options] [FILE] (FILE defaults to the 65535-record catalogue generated at build time).

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/GZip.h"
#include "browser/catalogue/core/Stream.h"
#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/core/UrlHelpers.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t BufferSize = 262144;

// Decompresses the whole file into memory the plainest way zlib offers; empty on failure.
std::string Decompress(const std::string& path) {
    std::string out;
    gzFile gz = gzopen(path.c_str(), "rb");
    if (gz == nullptr) {
        return out;
    }
    std::vector<char> buffer(BufferSize);
    int n = 0;
    while ((n = gzread(gz, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0) {
        out.append(buffer.data(), static_cast<std::size_t>(n));
    }
    gzclose(gz);
    if (n < 0) {
        out.clear();
    }
    return out;
}

void BenchDecompress(benchmark::State& state, const std::string& path) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = Decompress(path);
        benchmark::DoNotOptimize(text.data());
        bytes = text.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// A first load into an empty archive, as at start-up; freeing the records is not timed.
void BenchLoad(benchmark::State& state, const std::string& path, const cobwen::TextLocale& locale,
               std::size_t bytes) {
    for (auto _ : state) {
        auto archive = std::make_unique<cobwen::TCobwenArchive>(locale);
        archive->Language = 1;
        if (archive->LoadFromFile(path) != cobwen::LoadOk) {
            state.SkipWithError("the catalogue did not load completely");
            break;
        }
        benchmark::DoNotOptimize(archive->Count());
        state.PauseTiming();
        archive.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// A load that replaces the records of the previous one, as after a catalogue refresh.
void BenchReload(benchmark::State& state, const std::string& path, const cobwen::TextLocale& locale,
                 std::size_t bytes) {
    cobwen::TCobwenArchive archive(locale);
    archive.Language = 1;
    archive.LoadFromFile(path);
    for (auto _ : state) {
        if (archive.LoadFromFile(path) != cobwen::LoadOk) {
            state.SkipWithError("the catalogue did not load completely");
            break;
        }
        benchmark::DoNotOptimize(archive.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The two halves of a load: decompression into the memory stream, then parsing the text.
void BenchGZipPart(benchmark::State& state, const std::string& path) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        cobwen::MemoryStream stream;
        cobwen::TGZip gzip;
        gzip.DecompressFile(path, stream);
        benchmark::DoNotOptimize(stream.Bytes().data());
        bytes = stream.Bytes().size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BenchParsePart(benchmark::State& state, const std::string& text,
                    const cobwen::TextLocale& locale) {
    for (auto _ : state) {
        auto archive = std::make_unique<cobwen::TCobwenArchive>(locale);
        archive->Language = 1;
        if (archive->LoadFromText(text) != cobwen::LoadOk) {
            state.SkipWithError("the catalogue did not parse completely");
            break;
        }
        benchmark::DoNotOptimize(archive->Count());
        state.PauseTiming();
        archive.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BenchFind(benchmark::State& state, const cobwen::TCobwenArchive& archive,
               const std::string& name, bool found) {
    for (auto _ : state) {
        const cobwen::TCobwenData* record = archive.FindByFileName(name);
        if ((record != nullptr) != found) {
            state.SkipWithError("unexpected lookup result");
            break;
        }
        benchmark::DoNotOptimize(record);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string path = argc > 1 ? argv[1] : COBWEN_BENCH_CATALOGUE;

    const std::string text = Decompress(path);
    const std::size_t bytes = text.size();
    const cobwen::BuiltinRussianLocale locale;
    cobwen::TCobwenArchive archive(locale);
    archive.Language = 1;
    if (bytes == 0 || archive.LoadFromFile(path) != cobwen::LoadOk || archive.Count() < 2) {
        std::fprintf(stderr, "catalogue_bench: %s is no complete catalogue\n", path.c_str());
        return 1;
    }
    // The last record's archive is the worst case of the linear search that still finds something.
    const std::string nearEnd = cobwen::UrlFileName(archive.GetItem(archive.Count() - 1)->URL);
    const std::string missing = "no-such-archive.rar";
    std::fprintf(stderr, "catalogue: %s, %d records, %zu bytes decompressed; looking up %s\n",
                 path.c_str(), archive.Count(), bytes, nearEnd.c_str());

    benchmark::RegisterBenchmark("Decompress/zlib", [&](benchmark::State& state) {
        BenchDecompress(state, path);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Load/LoadFromFile", [&](benchmark::State& state) {
        BenchLoad(state, path, locale, bytes);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Load/Reload", [&](benchmark::State& state) {
        BenchReload(state, path, locale, bytes);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadPart/TGZip", [&](benchmark::State& state) {
        BenchGZipPart(state, path);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadPart/LoadFromText", [&](benchmark::State& state) {
        BenchParsePart(state, text, locale);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FindByFileName/last", [&](benchmark::State& state) {
        BenchFind(state, archive, nearEnd, true);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FindByFileName/missing", [&](benchmark::State& state) {
        BenchFind(state, archive, missing, false);
    })->Unit(benchmark::kMicrosecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
