#include <gtest/gtest.h>

#include <random>

#include "core/bulk_insert.h"
#include "core/letter_case.h"
#include "tests/support/catalogue_difference.h"
#include "tests/support/catalogue_invariants.h"
#include "tests/support/large_catalogue.h"
#include "tests/support/realistic_catalogue.h"

namespace {

// Books as an import brings them: mostly new, some repeating a book or an
// author of the catalogue or of each other, many sharing a read date; in
// the catalogue's letter case when `inForm`, as typed otherwise.
std::vector<NewRecord> booksFor(const Catalogue& catalogue, int count, unsigned seed, bool inForm) {
    std::mt19937 draw(seed);
    std::vector<NewRecord> books;
    for (const TypedBook& typed : realisticBooks(count, seed + 100)) {
        NewRecord book{typed.author, typed.title, typed.disposition, typed.packedDate, typed.category, typed.review};
        if (recordCount(catalogue.books) > 0 && draw() % 4 == 0) {
            const int i = 1 + static_cast<int>(draw() % recordCount(catalogue.books));
            book.author = authorOf(catalogue.books, i);
            if (draw() % 2 == 0) book.title = catalogue.books.records[i].title;
            if (draw() % 2 == 0) book.packedDate = readDateOf(catalogue.books, i);
        }
        if (!books.empty() && draw() % 6 == 0) book = books[draw() % books.size()];
        if (draw() % 5 == 0) book.packedDate = 0;
        if (inForm) {
            convertLetterCase(book.author, catalogue.books.upperCase);
            convertLetterCase(book.title, catalogue.books.upperCase);
        }
        books.push_back(std::move(book));
    }
    return books;
}

void expectBulkEqualsOneByOne(const Catalogue& start, const std::vector<NewRecord>& books) {
    Catalogue oneByOne = start;
    int inserted = 0;
    InsertResult stop = InsertResult::Inserted;
    for (const NewRecord& book : books) {
        stop = insertRecord(oneByOne, book.author, book.title, book.disposition, book.packedDate, book.category,
                            book.review);
        if (stop != InsertResult::Inserted) break;
        ++inserted;
    }
    Catalogue bulk = start;
    const BulkInsertResult result = insertRecords(bulk, books);
    EXPECT_EQ(result.inserted, inserted);
    EXPECT_EQ(result.stop, stop);
    EXPECT_EQ(firstDifference(bulk, oneByOne), "");
    EXPECT_EQ(bulk.books.changed, oneByOne.books.changed);
    ASSERT_EQ(result.places.size(), static_cast<std::size_t>(inserted));
    for (int b = 0; b < inserted; ++b) {
        const BookRecord& record = bulk.books.records[result.places[b]];
        EXPECT_EQ(record.title, oneByOne.books.records[result.places[b]].title);
        std::string title = books[b].title;
        convertLetterCase(title, bulk.books.upperCase);
        EXPECT_EQ(record.title, title) << "book " << b;
        EXPECT_EQ(record.disposition, books[b].disposition) << "book " << b;
    }
}

TEST(InsertRecords, GivesExactlyTheCatalogueOfOneByOneInsertion) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const bool inForm = seed % 4 != 0;  // typed texts take the one-by-one way
        Catalogue empty;
        expectBulkEqualsOneByOne(empty, booksFor(empty, 150, seed, inForm));
        const Catalogue entered = enterBooks(realisticBooks(200, seed), seed);
        expectBulkEqualsOneByOne(entered, booksFor(entered, 150, seed, inForm));
        const Catalogue capitals = makeLargeCatalogue(300, seed);
        expectBulkEqualsOneByOne(capitals, booksFor(capitals, 150, seed, inForm));
    }
}

// A file may hold authors out of order, and a change of letter case may
// put records out of order: insertion into such tables gives the same too.
TEST(InsertRecords, TablesOutOfOrderGiveTheResultOfOneByOneInsertionToo) {
    Catalogue authorsSwapped = makeLargeCatalogue(300, 8);
    const auto last = static_cast<std::int16_t>(authorCount(authorsSwapped.books));
    std::swap(authorsSwapped.books.authors[1], authorsSwapped.books.authors[last]);
    for (int i = 1; i <= recordCount(authorsSwapped.books); ++i) {
        std::int16_t& author = authorsSwapped.books.records[i].authorIndex;
        if (author == 1 || author == last) author = static_cast<std::int16_t>(author == 1 ? last : 1);
    }
    expectBulkEqualsOneByOne(authorsSwapped, booksFor(authorsSwapped, 100, 8, true));

    Catalogue recordsSwapped = makeLargeCatalogue(300, 9);
    std::swap(recordsSwapped.books.records[1], recordsSwapped.books.records[recordCount(recordsSwapped.books)]);
    rebuildView(recordsSwapped);
    expectBulkEqualsOneByOne(recordsSwapped, booksFor(recordsSwapped, 100, 9, true));
}

TEST(InsertRecords, StopsWhereOneByOneInsertionFindsTheCatalogueFull) {
    // Copies of an undated record, each with a read date of its own, fill
    // the tables up to three places short and keep them sorted.
    Catalogue nearlyFull = makeLargeCatalogue(20, 3);
    int undated = 1;
    while (readDateOf(nearlyFull.books, undated) != 0) ++undated;
    const int room = 3;
    const int copies = MaxRecords - room - recordCount(nearlyFull.books);
    for (int i = 1; i <= recordCount(nearlyFull.books); ++i)
        nearlyFull.books.records[i].dateIndex =
            static_cast<std::int16_t>(nearlyFull.books.records[i].dateIndex + copies);
    nearlyFull.books.readDates.insert(nearlyFull.books.readDates.begin() + 1, copies, 0);
    std::vector<BookRecord> filling(copies, nearlyFull.books.records[undated]);
    for (int k = 0; k < copies; ++k) filling[k].dateIndex = static_cast<std::int16_t>(k + 1);
    nearlyFull.books.records.insert(nearlyFull.books.records.begin() + undated, filling.begin(), filling.end());
    ASSERT_TRUE(invariantBreaks(nearlyFull).empty());
    expectBulkEqualsOneByOne(nearlyFull, booksFor(nearlyFull, 10, 5, true));

    Catalogue fewAuthorsLeft = makeLargeCatalogue(40, 4);
    while (authorCount(fewAuthorsLeft.books) < MaxAuthors - room)
        fewAuthorsLeft.books.authors.push_back("ZZ" + std::to_string(100000 + authorCount(fewAuthorsLeft.books)));
    expectBulkEqualsOneByOne(fewAuthorsLeft, booksFor(fewAuthorsLeft, 40, 6, true));
}

}  // namespace
