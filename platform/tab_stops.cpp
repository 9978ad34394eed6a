#include "platform/tab_stops.h"

#include <algorithm>

namespace platform {

std::vector<int> tabbedPartStarts(const std::vector<int>& partWidths, const std::vector<int>& tabStops,
                                  int blankWidth) {
    std::vector<int> starts;
    if (partWidths.empty()) return starts;
    starts.push_back(0);
    for (std::size_t part = 1; part < partWidths.size(); ++part) {
        const int end = starts.back() + partWidths[part - 1];
        const auto stop = std::upper_bound(tabStops.begin(), tabStops.end(), end);
        starts.push_back(stop != tabStops.end() ? *stop : end + blankWidth);
    }
    return starts;
}

}  // namespace platform
