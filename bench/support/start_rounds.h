#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/support/median.h"

// One start of a program: the time to its painted list and its peak memory.
struct Start {
    double milliseconds;
    double peakMiB;
};

// One row of the start-up table: what is started, and the row of the empty
// catalogue it is compared with.
struct StartCase {
    std::string name;
    std::size_t emptyRow;
};

// Starts every case in turn, round after round, each round beginning at the
// next case so that no case always follows the same one, after a first start
// that pays for cold disk caches; then prints the table of medians, titled
// `title`, with `memory` naming the memory measured.
inline void measureStarts(const std::vector<StartCase>& cases, int rounds,
                          const std::function<Start(std::size_t)>& startCase, const char* title, const char* memory) {
    const std::size_t count = cases.size();
    std::vector<std::vector<double>> times(count), peaks(count);
    startCase(cases.front().emptyRow);
    for (int round = 0; round < rounds; ++round)
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t c = (k + static_cast<std::size_t>(round)) % count;
            const Start start = startCase(c);
            times[c].push_back(start.milliseconds);
            peaks[c].push_back(start.peakMiB);
        }
    std::printf(
        "| %s, %d rounds | time to the painted list (median) | fastest | slowest | x empty | %s | above empty |\n",
        title, rounds, memory);
    std::printf("|---|---|---|---|---|---|---|\n");
    for (std::size_t c = 0; c < count; ++c) {
        const std::size_t empty = cases[c].emptyRow;
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %.2f | %.1f MiB | %.1f MiB |\n", cases[c].name.c_str(),
                    median(times[c]), *std::min_element(times[c].begin(), times[c].end()),
                    *std::max_element(times[c].begin(), times[c].end()), median(times[c]) / median(times[empty]),
                    median(peaks[c]), median(peaks[c]) - median(peaks[empty]));
    }
}
