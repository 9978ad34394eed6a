#include "core/bulk_insert.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "core/letter_case.h"

namespace {

bool foldedLess(const std::string& a, const std::string& b) { return compareFolded(a, b) < 0; }

bool inForm(const std::string& text, bool upperCase) {
    std::string converted = text;
    convertLetterCase(converted, upperCase);
    return converted == text;
}

// What the one-pass merge relies on: insertRecord then finds every author
// by its place in a sorted table, converts nothing but the book's own texts,
// which are in form already, and places the book before the first entry not
// below it. (The records need not be sorted: of two books the smaller never
// finds its first entry later than the larger does, so merging the sorted
// books into the records in one pass finds the same places. Read dates are
// always ascending: insertion keeps them so and loading refuses others.)
bool mergeable(const BookTables& tables, const std::vector<NewRecord>& books, std::size_t from) {
    if (!tables.lettersInForm) return false;
    for (int i = 2; i <= authorCount(tables); ++i)
        if (compareFolded(tables.authors[i - 1], tables.authors[i]) >= 0) return false;
    for (std::size_t b = from; b < books.size(); ++b)
        if (!inForm(books[b].author, tables.upperCase) || !inForm(books[b].title, tables.upperCase)) return false;
    return true;
}

// One insertRecord; the places of the books inserted before move with it.
bool insertOne(Catalogue& catalogue, const NewRecord& book, BulkInsertResult& result) {
    result.stop =
        insertRecord(catalogue, book.author, book.title, book.disposition, book.packedDate, book.category, book.review);
    if (result.stop != InsertResult::Inserted) return false;
    const int place = catalogue.view.currentRecord;
    for (int& earlier : result.places)
        if (earlier >= place) ++earlier;
    result.places.push_back(place);
    ++result.inserted;
    return true;
}

// How many of the books from `from` on fit, as insertRecord checks it book by
// book: room for a record, and for a new author when it is one.
std::size_t booksThatFit(const BookTables& tables, const std::vector<NewRecord>& books, std::size_t from,
                         InsertResult& stop) {
    int records = recordCount(tables);
    int authors = authorCount(tables);
    std::set<std::string> newAuthors;
    for (std::size_t b = from; b < books.size(); ++b) {
        if (records >= MaxRecords) return stop = InsertResult::CatalogueFull, b - from;
        const std::string key = foldedText(books[b].author);
        const auto known = std::lower_bound(tables.authors.begin() + 1, tables.authors.end(), key, foldedLess);
        const bool exists =
            (known != tables.authors.end() && compareFolded(*known, key) == 0) || newAuthors.count(key) > 0;
        if (!exists && authors >= MaxAuthors) return stop = InsertResult::AuthorsFull, b - from;
        if (!exists) {
            newAuthors.insert(key);
            ++authors;
        }
        ++records;
    }
    return books.size() - from;
}

// Walks two sorted runs in merged order: `oldCount` old entries (numbered
// from 1) and `addedCount` new ones (numbered from 0). A new entry goes first
// whenever newFirst(added, old) says so; putNew and putOld take each entry in
// turn.
template <typename NewFirst, typename PutNew, typename PutOld>
void mergeRuns(std::size_t oldCount, std::size_t addedCount, NewFirst newFirst, PutNew putNew, PutOld putOld) {
    std::size_t old = 1;
    std::size_t added = 0;
    while (old <= oldCount || added < addedCount) {
        if (added < addedCount && (old > oldCount || newFirst(added, old)))
            putNew(added++);
        else
            putOld(old++);
    }
}

// A merged table, and the new number of each old entry (0: entry 0).
template <typename Entry>
struct MergedTable {
    std::vector<Entry> entries = std::vector<Entry>(1);
    std::vector<int> renumber;
};

// The authors with the first spelling of each new one merged in.
MergedTable<std::string> mergeAuthors(BookTables& tables, const std::vector<NewRecord>& books, std::size_t from,
                                      std::size_t count) {
    std::vector<std::string> newAuthors;
    std::set<std::string> seen;
    for (std::size_t b = from; b < from + count; ++b) {
        const std::string& author = books[b].author;
        const auto known = std::lower_bound(tables.authors.begin() + 1, tables.authors.end(), author, foldedLess);
        if (known != tables.authors.end() && compareFolded(*known, author) == 0) continue;
        if (seen.insert(foldedText(author)).second) newAuthors.push_back(author);
    }
    std::sort(newAuthors.begin(), newAuthors.end(), foldedLess);

    MergedTable<std::string> merged;
    merged.entries.reserve(tables.authors.size() + newAuthors.size());
    merged.renumber.assign(tables.authors.size(), 0);
    mergeRuns(
        authorCount(tables), newAuthors.size(),
        [&](std::size_t added, std::size_t old) { return foldedLess(newAuthors[added], tables.authors[old]); },
        [&](std::size_t added) { merged.entries.push_back(std::move(newAuthors[added])); },
        [&](std::size_t old) {
            merged.renumber[old] = static_cast<int>(merged.entries.size());
            merged.entries.push_back(std::move(tables.authors[old]));
        });
    return merged;
}

// The order of `count` books from `from` on by `less`, the later of two
// equals first: insertRecord puts a book before every equal entry.
template <typename Less>
std::vector<std::size_t> laterFirst(const std::vector<NewRecord>& books, std::size_t from, std::size_t count,
                                    Less less) {
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), from);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (less(books[a], books[b])) return true;
        if (less(books[b], books[a])) return false;
        return a > b;
    });
    return order;
}

// The read dates with the new books' merged in; newSlot[b] is book b's.
MergedTable<std::uint16_t> mergeReadDates(const BookTables& tables, const std::vector<NewRecord>& books,
                                          std::size_t from, std::size_t count, std::vector<int>& newSlot) {
    const std::vector<std::size_t> order = laterFirst(
        books, from, count, [](const NewRecord& a, const NewRecord& b) { return a.packedDate < b.packedDate; });
    MergedTable<std::uint16_t> merged;
    merged.entries.reserve(tables.readDates.size() + count);
    merged.renumber.assign(tables.readDates.size(), 0);
    mergeRuns(
        tables.readDates.size() - 1, count,
        [&](std::size_t added, std::size_t old) { return books[order[added]].packedDate <= tables.readDates[old]; },
        [&](std::size_t added) {
            newSlot[order[added]] = static_cast<int>(merged.entries.size());
            merged.entries.push_back(books[order[added]].packedDate);
        },
        [&](std::size_t old) {
            merged.renumber[old] = static_cast<int>(merged.entries.size());
            merged.entries.push_back(tables.readDates[old]);
        });
    return merged;
}

BookRecord recordOf(const NewRecord& book, const std::vector<std::string>& authors, int dateSlot) {
    BookRecord record;
    record.authorIndex = static_cast<std::int16_t>(
        std::lower_bound(authors.begin() + 1, authors.end(), book.author, foldedLess) - authors.begin());
    record.dateIndex = static_cast<std::int16_t>(dateSlot);
    record.category = book.category;
    record.review = book.review;
    setFlag(record.flags, ShownFlag, true);
    record.title = book.title;
    record.disposition = book.disposition;
    return record;
}

// Merges `count` books from `from` on into the sorted tables. insertRecord
// puts a book before every equal entry (author, read date, record key), so
// among equal entries the later book comes first and every new one comes
// before the old ones.
void mergeBooks(Catalogue& c, const std::vector<NewRecord>& books, std::size_t from, std::size_t count,
                BulkInsertResult& result) {
    MergedTable<std::string> authors = mergeAuthors(c.books, books, from, count);
    std::vector<int> dateSlot(books.size(), 0);
    MergedTable<std::uint16_t> dates = mergeReadDates(c.books, books, from, count, dateSlot);

    const std::vector<std::size_t> order = laterFirst(books, from, count, [](const NewRecord& a, const NewRecord& b) {
        return compareRecordKeys(a.author, a.title, b.author, b.title) < 0;
    });
    MergedTable<BookRecord> records;
    records.entries.reserve(c.books.records.size() + count);
    records.renumber.assign(c.books.records.size(), 0);
    std::vector<int> newPlace(books.size(), 0);
    mergeRuns(
        recordCount(c.books), count,
        [&](std::size_t added, std::size_t old) {
            const NewRecord& book = books[order[added]];
            const BookRecord& record = c.books.records[old];
            return compareRecordKeys(book.author, book.title, authors.entries[authors.renumber[record.authorIndex]],
                                     record.title) <= 0;
        },
        [&](std::size_t added) {
            const std::size_t b = order[added];
            newPlace[b] = static_cast<int>(records.entries.size());
            records.entries.push_back(recordOf(books[b], authors.entries, dateSlot[b]));
        },
        [&](std::size_t old) {
            records.renumber[old] = static_cast<int>(records.entries.size());
            BookRecord& record = records.entries.emplace_back(std::move(c.books.records[old]));
            record.authorIndex = static_cast<std::int16_t>(authors.renumber[record.authorIndex]);
            record.dateIndex = static_cast<std::int16_t>(dates.renumber[record.dateIndex]);
        });

    c.books.authors = std::move(authors.entries);
    c.books.readDates = std::move(dates.entries);
    c.books.records = std::move(records.entries);
    for (int& earlier : result.places) earlier = records.renumber[earlier];
    for (std::size_t b = from; b < from + count; ++b) result.places.push_back(newPlace[b]);
    result.inserted += static_cast<int>(count);
    c.view.currentRecord = newPlace[from + count - 1];
    c.books.changed = true;
    rebuildView(c);
}

}  // namespace

BulkInsertResult insertRecords(Catalogue& catalogue, const std::vector<NewRecord>& books) {
    BulkInsertResult result;
    std::size_t next = 0;
    // The first insertion into texts not known to be in form converts them
    // all, which may reorder them: it goes one by one, as does everything
    // when the tables are not as the merge needs them.
    if (!catalogue.books.lettersInForm && next < books.size() && !insertOne(catalogue, books[next++], result))
        return result;
    if (!mergeable(catalogue.books, books, next)) {
        while (next < books.size())
            if (!insertOne(catalogue, books[next++], result)) return result;
        return result;
    }
    InsertResult stop = InsertResult::Inserted;
    const std::size_t count = booksThatFit(catalogue.books, books, next, stop);
    if (count > 0) mergeBooks(catalogue, books, next, count, result);
    result.stop = stop;
    return result;
}
