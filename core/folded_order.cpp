#include "core/folded_order.h"

#include <algorithm>
#include <numeric>

#include "core/ordering.h"

namespace {

bool authorsInOrder(const BookTables& books) {
    for (int i = 2; i <= authorCount(books); ++i)
        if (compareFolded(books.authors[i - 1], books.authors[i]) > 0) return false;
    return true;
}

int compareRecords(const BookTables& books, int a, int b) {
    return compareRecordKeys(authorOf(books, a), books.records[a].title, authorOf(books, b), books.records[b].title);
}

bool recordsInOrder(const BookTables& books) {
    for (int i = 2; i <= recordCount(books); ++i)
        if (compareRecords(books, i - 1, i) > 0) return false;
    return true;
}

// Entries 1..count in the order `less` gives, stably.
template <typename Less>
std::vector<int> sortedNumbers(int count, Less less) {
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), less);
    return order;
}

void sortAuthors(BookTables& books) {
    const std::vector<int> order = sortedNumbers(
        authorCount(books), [&](int a, int b) { return compareFolded(books.authors[a], books.authors[b]) < 0; });
    std::vector<std::string> authors(1);
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
    std::vector<int> renumber(books.records.size());
    std::iota(renumber.begin(), renumber.end(), 0);
    if (!authorsInOrder(books)) sortAuthors(books);
    if (recordsInOrder(books)) return renumber;

    const std::vector<int> order =
        sortedNumbers(recordCount(books), [&](int a, int b) { return compareRecords(books, a, b) < 0; });
    std::vector<BookRecord> records(1);
    records.reserve(books.records.size());
    for (const int old : order) {
        renumber[old] = static_cast<int>(records.size());
        records.push_back(std::move(books.records[old]));
    }
    books.records = std::move(records);
    return renumber;
}
