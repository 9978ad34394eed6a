#include "bookexchange/book_export.h"

#include <algorithm>
#include <array>
#include <queue>

#include "bookexchange/book_mapping.h"
#include "bookexchange/csv_writer.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "core/vocabularies.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Goodreads' export header of 2026, the 23 columns without "Average Rating".
constexpr std::array<const char*, 23> GoodreadsHeader = {"Book Id",
                                                         "Title",
                                                         "Author",
                                                         "Author l-f",
                                                         "Additional Authors",
                                                         "ISBN",
                                                         "ISBN13",
                                                         "My Rating",
                                                         "Publisher",
                                                         "Binding",
                                                         "Number of Pages",
                                                         "Year Published",
                                                         "Original Publication Year",
                                                         "Date Read",
                                                         "Date Added",
                                                         "Bookshelves",
                                                         "Bookshelves with positions",
                                                         "Exclusive Shelf",
                                                         "My Review",
                                                         "Spoiler",
                                                         "Private Notes",
                                                         "Read Count",
                                                         "Owned Copies"};

// A packed date as year, month and day joined by `separator`.
std::string yearFirst(std::uint16_t packed, char separator) {
    if (packed == 0) return {};
    const std::string normal = formatReadDate(packed);  // MM-DD-YYYY
    return normal.substr(6) + separator + normal.substr(0, 2) + separator + normal.substr(3, 2);
}

std::vector<std::string> quorvelsRow(const BookTables& books, int i) {
    const BookRecord& record = books.records[i];
    return {authorOf(books, i),
            record.title,
            isRead(books, i) && readDateOf(books, i) == 0 ? ReadWithoutDateText : yearFirst(readDateOf(books, i), '-'),
            categoryName(record.category),
            reviewName(record.review),
            record.disposition,
            testFlag(record.flags, MarkedFlag) ? "x" : ""};
}

std::vector<std::string> goodreadsRow(const BookTables& books, int i) {
    const BookRecord& record = books.records[i];
    const bool read = isRead(books, i);
    const bool didNotFinish = record.review == CouldNotFinishReview;
    std::string shelves = shelfOfCategory(record.category);
    if (didNotFinish) shelves += std::string(shelves.empty() ? "" : ", ") + "did-not-finish";
    const int stars = starsOfReview(record.review);
    return {"",
            record.title,
            firstNameFirst(authorOf(books, i)),
            authorOf(books, i),
            "",
            "=\"\"",
            "=\"\"",
            std::to_string(stars),
            "",
            "",
            "",
            "",
            "",
            yearFirst(readDateOf(books, i), '/'),
            "",
            shelves,
            "",
            didNotFinish ? "did-not-finish"
            : read       ? "read"
                         : "to-read",
            "",
            "",
            record.disposition,
            read ? "1" : "0",
            "0"};
}

// The records in an order whose insertion one by one rebuilds their tables:
// insertRecord puts a book before its equals, so of two records with equal
// keys (or equal read dates) the later one must come first. Among the
// records free to come, the one first in the catalogue comes first. Should
// the two demands contradict each other (only a foreign file can make them),
// the rest follow in record order.
std::vector<int> replayOrder(const BookTables& books, std::vector<int> records) {
    std::sort(records.begin(), records.end());
    const std::size_t n = records.size();
    std::vector<std::size_t> byDate(n);
    for (std::size_t k = 0; k < n; ++k) byDate[k] = k;
    std::stable_sort(byDate.begin(), byDate.end(), [&](std::size_t a, std::size_t b) {
        return books.records[records[a]].dateIndex < books.records[records[b]].dateIndex;
    });

    std::vector<int> waitingFor(n, 0);
    std::vector<std::array<std::size_t, 2>> freedBy(n, {n, n});
    const auto mustPrecede = [&](std::size_t first, std::size_t then, int slot) {
        freedBy[first][slot] = then;
        ++waitingFor[then];
    };
    for (std::size_t k = 1; k < n; ++k) {
        const int a = records[k - 1], b = records[k];
        if (compareRecordKeys(authorOf(books, a), books.records[a].title, authorOf(books, b), books.records[b].title) ==
            0)
            mustPrecede(k, k - 1, 0);
        if (readDateOf(books, records[byDate[k - 1]]) == readDateOf(books, records[byDate[k]]))
            mustPrecede(byDate[k], byDate[k - 1], 1);
    }

    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> free;
    for (std::size_t k = 0; k < n; ++k)
        if (waitingFor[k] == 0) free.push(k);
    std::vector<int> order;
    std::vector<char> placed(n, 0);
    while (!free.empty()) {
        const std::size_t k = free.top();
        free.pop();
        order.push_back(records[k]);
        placed[k] = 1;
        for (const std::size_t next : freedBy[k])
            if (next < n && --waitingFor[next] == 0) free.push(next);
    }
    for (std::size_t k = 0; k < n; ++k)
        if (!placed[k]) order.push_back(records[k]);
    return order;
}

}  // namespace

std::vector<int> allBooks(const BookTables& books) {
    std::vector<int> records;
    for (int i = 1; i <= recordCount(books); ++i)
        if (!testFlag(books.records[i].flags, DeletedFlag)) records.push_back(i);
    return records;
}

ExportSelection booksToExport(const Catalogue& catalogue) {
    ExportSelection selection;
    for (const int i : allBooks(catalogue.books))
        if (testFlag(catalogue.books.records[i].flags, MarkedFlag)) selection.records.push_back(i);
    selection.onlyMarked = !selection.records.empty();
    if (!selection.onlyMarked) selection.records.assign(catalogue.view.order.begin() + 1, catalogue.view.order.end());
    return selection;
}

std::string exportBooks(const BookTables& books, const std::vector<int>& records, ExportForm form) {
    std::string bytes(ByteOrderMark);
    if (form == ExportForm::Quorvels) {
        bytes += QuorvelsHeader;
        bytes += "\r\n";
    } else {
        appendCsvRecord(bytes, {GoodreadsHeader.begin(), GoodreadsHeader.end()});
    }
    for (const int i : replayOrder(books, records)) {
        appendCsvRecord(bytes, form == ExportForm::Quorvels ? quorvelsRow(books, i) : goodreadsRow(books, i));
    }
    return bytes;
}
