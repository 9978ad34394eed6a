#include "core/folded_order.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <optional>

#include "core/ordering.h"

namespace {

int compareRecords(const BookTables& books, int a, int b) {
    const BookRecord &x = books.records[a], &y = books.records[b];
    // One author entry: the keys share it and the blank after it.
    if (x.authorIndex == y.authorIndex) return compareFolded(x.title, y.title);
    return compareRecordKeys(books.authors[x.authorIndex], x.title, books.authors[y.authorIndex], y.title);
}

// Entries 1..count in the order `compare` gives, stably, or nothing when
// they are in that order already. Tables read from a file are mostly in
// order: the entries not below every one kept before them are kept, in
// their order; the few others are sorted apart and each put into its place
// among them found by halving, the first of equals first. So most entries
// are compared once.
template <typename Compare>
std::optional<std::vector<int>> sortedNumbers(int count, Compare compare) {
    std::vector<int> kept, apart;
    kept.reserve(count);
    for (int entry = 1; entry <= count; ++entry)
        (kept.empty() || compare(kept.back(), entry) <= 0 ? kept : apart).push_back(entry);
    if (apart.empty()) return std::nullopt;
    std::stable_sort(apart.begin(), apart.end(), [&](int a, int b) { return compare(a, b) < 0; });
    std::vector<int> order;
    order.reserve(count);
    auto next = kept.begin();
    for (const int entry : apart) {
        const auto place = std::partition_point(next, kept.end(), [&](int k) {
            const int sign = compare(entry, k);
            return sign > 0 || (sign == 0 && k < entry);
        });
        order.insert(order.end(), next, place);
        order.push_back(entry);
        next = place;
    }
    order.insert(order.end(), next, kept.end());
    return order;
}

void sortAuthors(BookTables& books, const std::vector<int>& order) {
    std::vector<std::string> authors(1);
    authors.reserve(books.authors.size());
    std::vector<int> renumber(books.authors.size(), 0);
    for (const int old : order) {
        renumber[old] = static_cast<int>(authors.size());
        authors.push_back(std::move(books.authors[old]));
    }
    books.authors = std::move(authors);
    for (BookRecord& record : books.records)
        record.authorIndex = static_cast<std::int16_t>(renumber[record.authorIndex]);
}

}  // namespace

std::vector<int> putInFoldedOrder(BookTables& books) {
    const auto authorOrder = sortedNumbers(
        authorCount(books), [&](int a, int b) { return compareFolded(books.authors[a], books.authors[b]); });
    if (authorOrder) sortAuthors(books, *authorOrder);

    std::vector<int> renumber(books.records.size());
    std::iota(renumber.begin(), renumber.end(), 0);
    const auto order = sortedNumbers(recordCount(books), [&](int a, int b) { return compareRecords(books, a, b); });
    if (!order) return renumber;
    std::vector<BookRecord> records(1);
    records.reserve(books.records.size());
    for (const int old : *order) {
        renumber[old] = static_cast<int>(records.size());
        records.push_back(std::move(books.records[old]));
    }
    books.records = std::move(records);
    return renumber;
}
