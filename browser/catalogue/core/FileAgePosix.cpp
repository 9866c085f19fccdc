#include "browser/catalogue/core/FileAge.h"

#include <ctime>
#include <sys/stat.h>

namespace cobwen {

DateTime FileAge(const std::filesystem::path& path) {
    struct stat st {};
    // A folder has no age of its own here, as on Windows.
    if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return 0;
    }
    std::tm local{};
    if (localtime_r(&st.st_mtime, &local) == nullptr) {
        return 0;
    }
    const auto date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (!date) {
        return 0;
    }
    return *date + EncodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

} // namespace cobwen
