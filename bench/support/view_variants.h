#pragma once

#include <array>
#include <functional>
#include <string>

#include <benchmark/benchmark.h>

#include "core/catalogue.h"

// The eight views the list can show: two orders by four view modes.
struct ViewVariant {
    const char* name;
    bool sortByDate;
    ViewMode mode;
};

inline constexpr std::array<ViewVariant, 8> viewVariants = {{
    {"byAuthor/ViewAll", false, ViewAll},   {"byAuthor/BooksRead", false, BooksRead},
    {"byAuthor/BooksUnread", false, BooksUnread}, {"byAuthor/BooksFound", false, BooksFound},
    {"byDate/ViewAll", true, ViewAll},      {"byDate/BooksRead", true, BooksRead},
    {"byDate/BooksUnread", true, BooksUnread},    {"byDate/BooksFound", true, BooksFound},
}};

// Sets the order and the view mode; for Books Found, the shown flags a search
// that found every third book leaves behind.
void setUpView(Catalogue& catalogue, const ViewVariant& variant);

// Registers `run` as "<prefix>/<variant>" at both catalogue sizes for each
// variant, timed in milliseconds.
void registerForEveryView(const std::string& prefix,
                          const std::function<void(benchmark::State&, const ViewVariant&)>& run);
