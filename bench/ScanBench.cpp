// The download-folder scan over a generated folder of 10,000 archives (in sub-folders, sizes that
// match the catalogue and sizes that do not, names that match nothing) against the 65535-record
// catalogue: once with the catalogue's file-name index, once with the walk over every URL, in the
// same run. Prints both times and their ratio, and fails when the two find different plug-ins.
// Target: the same result at least 50 times faster. Usage: scan_bench [CATALOGUE] [FOLDER]

#include "browser/catalogue/core/FolderScan.h"
#include "browser/catalogue/core/TextLocale.h"
#include "browser/catalogue/core/UrlHelpers.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace {

namespace fs = std::filesystem;

constexpr int Archives = 10000;

class DiskFolders final : public cobwen::FolderLister {
public:
    void List(const std::string& folder,
              const std::function<bool(const cobwen::FolderEntry&)>& visit) const override {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
            const bool isFolder = entry.is_directory();
            if (!visit(
                    {entry.path().filename().string(), isFolder, isFolder ? 0 : entry.file_size()}))
                return;
        }
    }
    std::string Join(const std::string& folder, const std::string& name) const override {
        return (fs::path(folder) / name).string();
    }
};

// Archives named after random records' URLs, a third of them of another size, a tenth matching no
// record, spread over 20 sub-folders; sparse files, so that the sizes cost no disk space.
void MakeFolder(const cobwen::TCobwenArchive& archive, const fs::path& folder) {
    fs::remove_all(folder);
    std::mt19937 random(10000);
    for (int i = 0; i < Archives; ++i) {
        const cobwen::TCobwenData& record =
            *archive.GetItem(static_cast<int>(random() % archive.Count()));
        std::string name = cobwen::UrlFileName(record.URL);
        if (i % 10 == 0)
            name = "unknown-" + std::to_string(i) + ".zip";
        // The same name twice goes into another sub-folder.
        fs::path file;
        for (int sub = i % 20;; ++sub) {
            file = folder / ("sub" + std::to_string(sub)) / name;
            if (!fs::exists(file))
                break;
        }
        fs::create_directories(file.parent_path());
        std::ofstream(file).put('\0');
        fs::resize_file(file, static_cast<std::uintmax_t>(record.Size) + (i % 3 == 0 ? 1 : 0));
    }
}

struct Result {
    std::set<std::int32_t> downloaded, updated;
    double seconds = 0;
};

Result Scan(const cobwen::TCobwenArchive& archive, const std::string& folder,
            const cobwen::RecordByName& byName) {
    const DiskFolders disk;
    const std::atomic<bool> terminate{false};
    Result result;
    const auto start = std::chrono::steady_clock::now();
    cobwen::ScanFolder(
        disk, folder, archive, cobwen::ScanKind::Downloaded, terminate,
        [&](std::int32_t id) { result.downloaded.insert(id); }, byName);
    cobwen::ScanFolder(
        disk, folder, archive, cobwen::ScanKind::Updated, terminate,
        [&](std::int32_t id) { result.updated.insert(id); }, byName);
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : COBWEN_BENCH_CATALOGUE;
    const fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "scan-bench";
    const cobwen::BuiltinRussianLocale locale;
    cobwen::TCobwenArchive archive(locale);
    if (archive.LoadFromFile(path) != cobwen::LoadOk || archive.Count() == 0) {
        std::fprintf(stderr, "scan_bench: %s is no complete catalogue\n", path.c_str());
        return 1;
    }
    MakeFolder(archive, folder);
    const Result indexed = Scan(archive, folder.string(), {});
    const Result walked = Scan(archive, folder.string(), [&archive](std::string_view name) {
        return archive.FindByFileNameWalk(name);
    });
    fs::remove_all(folder);

    std::printf("%d records, %d archives\n", archive.Count(), Archives);
    std::printf("with the index:      %9.1f ms (%zu downloaded, %zu updated)\n",
                indexed.seconds * 1000, indexed.downloaded.size(), indexed.updated.size());
    std::printf("walking every URL:   %9.1f ms (%zu downloaded, %zu updated)\n",
                walked.seconds * 1000, walked.downloaded.size(), walked.updated.size());
    const double ratio = walked.seconds / indexed.seconds;
    std::printf("index faster by %.0fx (target at least 50x: %s)\n", ratio,
                ratio >= 50 ? "met" : "MISSED");
    if (indexed.downloaded != walked.downloaded || indexed.updated != walked.updated) {
        std::printf("the two scans found different plug-ins\n");
        return 1;
    }
    std::printf("both found the same plug-ins\n");
    return 0;
}
