#pragma once

#include <algorithm>
#include <vector>

// The median of repeated measurements (the mean of the middle two for an even count).
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
