#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace tollix::bench {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// How long `work` takes, in milliseconds.
template <typename Work>
double millis(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace tollix::bench
