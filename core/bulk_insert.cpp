#include "core/bulk_insert.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "core/letter_case.h"

namespace {

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
bool mergeable(const Catalogue& c, const std::vector<NewRecord>& books, std::size_t from) {
    if (!c.lettersInForm) return false;
    for (int i = 2; i <= authorCount(c); ++i)
        if (compareFolded(c.authors[i - 1], c.authors[i]) >= 0) return false;
    for (std::size_t b = from; b < books.size(); ++b)
        if (!inForm(books[b].author, c.upperCase) || !inForm(books[b].title, c.upperCase)) return false;
    return true;
}

// One insertRecord; the places of the books inserted before move with it.
bool insertOne(Catalogue& catalogue, const NewRecord& book, BulkInsertResult& result) {
    result.stop = insertRecord(catalogue, book.author, book.title, book.disposition, book.packedDate, book.category,
                               book.review);
    if (result.stop != InsertResult::Inserted) return false;
    const int place = catalogue.currentRecord;
    for (int& earlier : result.places)
        if (earlier >= place) ++earlier;
    result.places.push_back(place);
    ++result.inserted;
    return true;
}

// How many of the books from `from` on fit, as insertRecord checks it book by
// book: room for a record, and for a new author when it is one.
std::size_t booksThatFit(const Catalogue& c, const std::vector<NewRecord>& books, std::size_t from,
                         InsertResult& stop) {
    int records = recordCount(c);
    int authors = authorCount(c);
    std::set<std::string> newAuthors;
    for (std::size_t b = from; b < books.size(); ++b) {
        if (records >= MaxRecords) return stop = InsertResult::CatalogueFull, b - from;
        const std::string key = toUpperAscii(books[b].author);
        const auto known = std::lower_bound(c.authors.begin() + 1, c.authors.end(), key,
                                            [](const std::string& a, const std::string& k) { return compareFolded(a, k) < 0; });
        const bool exists = (known != c.authors.end() && compareFolded(*known, key) == 0) || newAuthors.count(key) > 0;
        if (!exists && authors >= MaxAuthors) return stop = InsertResult::AuthorsFull, b - from;
        if (!exists) {
            newAuthors.insert(key);
            ++authors;
        }
        ++records;
    }
    return books.size() - from;
}

// Merges `count` books from `from` on into the sorted tables. insertRecord
// puts a book before every equal entry (author, read date, record key), so
// among equal entries the later book comes first and every new one comes
// before the old ones.
void mergeBooks(Catalogue& c, const std::vector<NewRecord>& books, std::size_t from, std::size_t count,
                BulkInsertResult& result) {
    const auto folded = [](const std::string& a, const std::string& b) { return compareFolded(a, b) < 0; };

    // Authors: the first spelling of each new one, merged in.
    std::vector<std::string> newAuthors;
    std::set<std::string> seen;
    for (std::size_t b = from; b < from + count; ++b) {
        const std::string& author = books[b].author;
        const auto known = std::lower_bound(c.authors.begin() + 1, c.authors.end(), author, folded);
        if (known != c.authors.end() && compareFolded(*known, author) == 0) continue;
        if (seen.insert(toUpperAscii(author)).second) newAuthors.push_back(author);
    }
    std::sort(newAuthors.begin(), newAuthors.end(), folded);
    std::vector<std::string> authors(1);
    authors.reserve(c.authors.size() + newAuthors.size());
    std::vector<int> authorRenumber(c.authors.size(), 0);
    for (std::size_t old = 1, added = 0; old < c.authors.size() || added < newAuthors.size();) {
        if (added < newAuthors.size() && (old == c.authors.size() || folded(newAuthors[added], c.authors[old]))) {
            authors.push_back(std::move(newAuthors[added++]));
        } else {
            authorRenumber[old] = static_cast<int>(authors.size());
            authors.push_back(std::move(c.authors[old++]));
        }
    }
    const auto authorIndexOf = [&](const std::string& author) {
        return static_cast<std::int16_t>(std::lower_bound(authors.begin() + 1, authors.end(), author, folded) -
                                         authors.begin());
    };

    // The order of the new books among themselves: the later of two equals first.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), from);
    const auto laterFirst = [&](auto less) {
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            if (less(books[a], books[b])) return true;
            if (less(books[b], books[a])) return false;
            return a > b;
        });
    };

    // Read dates.
    laterFirst([](const NewRecord& a, const NewRecord& b) { return a.packedDate < b.packedDate; });
    const int oldRecords = recordCount(c);
    std::vector<std::uint16_t> dates(1, 0);
    dates.reserve(oldRecords + count + 1);
    std::vector<int> dateRenumber(oldRecords + 1, 0);
    std::vector<int> newDateSlot(books.size(), 0);
    for (std::size_t old = 1, added = 0; old <= static_cast<std::size_t>(oldRecords) || added < count;) {
        if (added < count &&
            (old > static_cast<std::size_t>(oldRecords) || books[order[added]].packedDate <= c.readDates[old])) {
            newDateSlot[order[added]] = static_cast<int>(dates.size());
            dates.push_back(books[order[added++]].packedDate);
        } else {
            dateRenumber[old] = static_cast<int>(dates.size());
            dates.push_back(c.readDates[old++]);
        }
    }

    // Records.
    laterFirst([](const NewRecord& a, const NewRecord& b) {
        return compareRecordKeys(a.author, a.title, b.author, b.title) < 0;
    });
    std::vector<BookRecord> records(1);
    records.reserve(oldRecords + count + 1);
    std::vector<int> newPlace(books.size(), 0);
    std::vector<int> recordRenumber(oldRecords + 1, 0);
    for (std::size_t old = 1, added = 0; old <= static_cast<std::size_t>(oldRecords) || added < count;) {
        const bool takeNew =
            added < count && (old > static_cast<std::size_t>(oldRecords) ||
                              compareRecordKeys(books[order[added]].author, books[order[added]].title,
                                                authors[authorRenumber[c.records[old].authorIndex]],
                                                c.records[old].title) <= 0);
        if (takeNew) {
            const std::size_t b = order[added++];
            const NewRecord& book = books[b];
            newPlace[b] = static_cast<int>(records.size());
            BookRecord& record = records.emplace_back();
            record.authorIndex = authorIndexOf(book.author);
            record.dateIndex = static_cast<std::int16_t>(newDateSlot[b]);
            record.category = book.category;
            record.review = book.review;
            setFlag(record.flags, shown, true);
            record.title = book.title;
            record.disposition = book.disposition;
        } else {
            recordRenumber[old] = static_cast<int>(records.size());
            BookRecord& record = records.emplace_back(std::move(c.records[old++]));
            record.authorIndex = static_cast<std::int16_t>(authorRenumber[record.authorIndex]);
            record.dateIndex = static_cast<std::int16_t>(dateRenumber[record.dateIndex]);
        }
    }

    c.authors = std::move(authors);
    c.readDates = std::move(dates);
    c.records = std::move(records);
    for (int& earlier : result.places) earlier = recordRenumber[earlier];
    for (std::size_t b = from; b < from + count; ++b) result.places.push_back(newPlace[b]);
    result.inserted += static_cast<int>(count);
    c.currentRecord = newPlace[from + count - 1];
    c.changed = true;
    rebuildView(c);
}

}  // namespace

BulkInsertResult insertRecords(Catalogue& catalogue, const std::vector<NewRecord>& books) {
    BulkInsertResult result;
    std::size_t next = 0;
    // The first insertion into texts not known to be in form converts them
    // all, which may reorder them: it goes one by one, as does everything
    // when the tables are not as the merge needs them.
    if (!catalogue.lettersInForm && next < books.size() && !insertOne(catalogue, books[next++], result)) return result;
    if (!mergeable(catalogue, books, next)) {
        while (next < books.size())
            if (!insertOne(catalogue, books[next++], result)) return result;
        return result;
    }
    InsertResult stop = InsertResult::Inserted;
    const std::size_t count = booksThatFit(catalogue, books, next, stop);
    if (count > 0) mergeBooks(catalogue, books, next, count, result);
    result.stop = stop;
    return result;
}
