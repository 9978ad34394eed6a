#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/support/median.h"

// One start of the program: the time to its painted list and its peak memory.
struct Start {
    double milliseconds;
    double peakMiB;
};

// Starts the program at each catalogue size in turn, round after round, each
// round beginning at the next size so that no size always follows the same
// one, after a first start that pays for cold disk caches; then prints the
// table of medians, titled `title`, with `memory` naming the memory measured.
template <std::size_t Sizes>
void measureStarts(const std::array<int, Sizes>& sizes, int rounds,
                   const std::function<Start(std::size_t)>& startAtSize, const char* title, const char* memory) {
    std::array<std::vector<double>, Sizes> times, peaks;
    startAtSize(0);
    for (int round = 0; round < rounds; ++round)
        for (std::size_t k = 0; k < Sizes; ++k) {
            const std::size_t s = (k + static_cast<std::size_t>(round)) % Sizes;
            const Start start = startAtSize(s);
            times[s].push_back(start.milliseconds);
            peaks[s].push_back(start.peakMiB);
        }
    std::printf(
        "| %s, %d rounds | time to the painted list (median) | fastest | slowest | x empty | %s | above empty |\n",
        title, rounds, memory);
    std::printf("|---|---|---|---|---|---|---|\n");
    for (std::size_t s = 0; s < Sizes; ++s)
        std::printf("| %d books | %.1f ms | %.1f ms | %.1f ms | %.2f | %.1f MiB | %.1f MiB |\n", sizes[s],
                    median(times[s]), *std::min_element(times[s].begin(), times[s].end()),
                    *std::max_element(times[s].begin(), times[s].end()), median(times[s]) / median(times[0]),
                    median(peaks[s]), median(peaks[s]) - median(peaks[0]));
}
