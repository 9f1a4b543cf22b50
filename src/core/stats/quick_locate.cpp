#include "core/stats/quick_locate.h"

namespace p3::core {

int quickLocateRow(std::span<const std::size_t> valueRowCounts, std::size_t line) noexcept {
    if (line >= valueRowCounts.size()) return -1;
    std::size_t row = 0;
    for (std::size_t i = 0; i < line; ++i)
        row += valueRowCounts[i] + 2;
    return static_cast<int>(row);
}

std::vector<std::string> quickLocateNames(const OmissionQuery& query) {
    std::vector<std::string> names;
    for (const auto& record : query.displayed())
        names.push_back(record->name);
    return names;
}

std::vector<std::size_t> quickLocateSizes(const OmissionQuery& query) {
    std::vector<std::size_t> sizes;
    for (const auto& record : query.displayed())
        sizes.push_back(record->size());
    return sizes;
}

} // namespace p3::core
