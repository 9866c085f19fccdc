#include "plugins/services/core/Sorting.h"

#include "ulvar/Plugin.h"

#include <cctype>

namespace sentrel {

namespace {

int Sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

template <typename T> int Order(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

int CompareNoCase(const std::string& a, const std::string& b) {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return Order(a.size(), b.size());
}

int StatusRank(std::uint32_t state) {
    return state == StateRunning ? 1 : state == StatePaused ? 2 : 3;
}

} // namespace

int CompareServices(const ServiceNode& a, const ServiceNode& b, int sortMode,
                    const SortContext& context) {
    int result = 0;
    switch (sortMode) {
    case ulvar::SortByWriteTime:
        result = Order(StatusRank(a.state), StatusRank(b.state));
        break;
    case ulvar::SortByCreationTime:
    case ulvar::SortByLinks:
        result = Order(b.DependencyCount(), a.DependencyCount());
        break;
    case ulvar::SortByAccessTime:
        result = Order(a.readTime, b.readTime);
        break;
    case ulvar::SortBySize:
        if (context.startTypeText)
            result = Sign(context.startTypeText(a.config.startType)
                              .compare(context.startTypeText(b.config.startType)));
        break;
    case ulvar::SortByDescription:
        if (context.descriptionsSupported)
            return ulvar::CompareUseHostOrder;
        break;
    case ulvar::SortByOwner: {
        const bool left = !a.config.account.empty();
        const bool right = !b.config.account.empty();
        result =
            left && right ? Sign(a.config.account.compare(b.config.account)) : Order(left, right);
        break;
    }
    default:
        break;
    }
    if (result != 0)
        return result;
    if (context.swapped)
        return CompareNoCase(a.config.displayName, b.config.displayName);
    return CompareNoCase(a.name, b.name);
}

} // namespace sentrel
