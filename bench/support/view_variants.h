#pragma once

#include <array>
#include <functional>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/support/bench_catalogue.h"
#include "core/catalogue.h"

// The eight views the list can show: two orders by four view modes.
struct ViewVariant {
    const char* name;
    bool sortByDate;
    ViewMode mode;
};

inline constexpr std::array<ViewVariant, 8> viewVariants = {{
    {"byAuthor/ViewAll", false, ViewMode::All},
    {"byAuthor/BooksRead", false, ViewMode::Read},
    {"byAuthor/BooksUnread", false, ViewMode::Unread},
    {"byAuthor/BooksFound", false, ViewMode::Found},
    {"byDate/ViewAll", true, ViewMode::All},
    {"byDate/BooksRead", true, ViewMode::Read},
    {"byDate/BooksUnread", true, ViewMode::Unread},
    {"byDate/BooksFound", true, ViewMode::Found},
}};

// Sets the order and the view mode; for Books Found, the shown flags a search
// that found every third book leaves behind.
void setUpView(Catalogue& catalogue, const ViewVariant& variant);

// Registers `run` as "<prefix>/<variant>" on the benchmark catalogues for
// each variant.
void registerForEveryView(const std::string& prefix,
                          const std::function<void(benchmark::State&, const BenchCatalogue&, const ViewVariant&)>& run);
