#include "plugins/services/core/Enumeration.h"

namespace sentrel {

std::vector<EnumStatus> EnumerateAll(EnumSource& source,
                                     const std::function<bool(std::uint32_t error)>& retry) {
    std::vector<EnumStatus> all;
    std::uint32_t resume = 0;
    for (;;) {
        const std::uint32_t before = resume;
        EnumBatch batch = source.Next(resume);
        std::uint32_t error = batch.error;
        if (error == 0 && batch.moreData && batch.entries.empty() && resume == before)
            error = ErrorMoreData;
        if (error != 0) {
            resume = before;
            if (retry(error))
                continue;
            break;
        }
        for (EnumStatus& entry : batch.entries)
            all.push_back(std::move(entry));
        if (!batch.moreData)
            break;
    }
    return all;
}

} // namespace sentrel
