#include "core/reading_figures.h"

#include <algorithm>
#include <array>

#include "core/read_date.h"
#include "core/vocabularies.h"

namespace {

// Every packed year (seven bits) has its counter, and every code of a byte.
constexpr int PackedYears = 128;
using CodeCounts = std::array<int, 256>;

int yearOf(std::uint16_t packed) { return packed >> 9; }

// The counts of a vocabulary's names, highest first and equal counts in
// vocabulary order. Code 0 gathers the blank last entry and every code past
// the table, which have no name of their own.
template <std::size_t Size>
std::vector<NamedCount> namedCounts(const std::array<const char*, Size>& names, CodeCounts counts) {
    constexpr int lastNamed = static_cast<int>(Size) - 2;
    for (int code = lastNamed + 1; code < static_cast<int>(counts.size()); ++code) {
        counts[0] += counts[code];
        counts[code] = 0;
    }
    std::vector<NamedCount> found;
    for (int code = 0; code <= lastNamed; ++code)
        if (counts[code] != 0) found.push_back({code == 0 ? NoneName : names[code], counts[code]});
    std::stable_sort(found.begin(), found.end(),
                     [](const NamedCount& a, const NamedCount& b) { return a.count > b.count; });
    return found;
}

void countYears(ReadingFigures& figures, const std::array<int, PackedYears>& perYear) {
    const auto first = std::find_if(perYear.begin(), perYear.end(), [](int count) { return count != 0; });
    if (first == perYear.end()) return;
    const auto last = std::find_if(perYear.rbegin(), perYear.rend(), [](int count) { return count != 0; }).base();
    figures.firstYear = DateEpoch + static_cast<int>(first - perYear.begin());
    figures.readPerYear.assign(first, last);
    // max_element keeps the first of equal elements: the earliest year.
    const auto busiest = std::max_element(figures.readPerYear.begin(), figures.readPerYear.end());
    figures.busiestYear = figures.firstYear + static_cast<int>(busiest - figures.readPerYear.begin());
}

}  // namespace

ReadingFigures readingFigures(const BookTables& books) {
    ReadingFigures figures;
    std::array<int, PackedYears> perYear{};
    CodeCounts categories{}, reviews{};
    for (int record = 1; record <= recordCount(books); ++record) {
        const BookRecord& book = books.records[record];
        if (testFlag(book.flags, DeletedFlag)) continue;
        ++figures.held;
        if (testFlag(book.flags, MarkedFlag)) ++figures.marked;
        ++categories[book.category];
        ++reviews[book.review];
        if (!isRead(books, record)) continue;
        ++figures.read;
        if (const std::uint16_t date = readDateOf(books, record); date != 0)
            ++perYear[yearOf(date)];
        else
            ++figures.readUndated;
    }
    figures.unread = figures.held - figures.read;
    countYears(figures, perYear);
    figures.perCategory = namedCounts(categoryNames, categories);
    figures.perReview = namedCounts(reviewNames, reviews);
    return figures;
}
