#include "core/reading_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "tests/core/catalogue_builders.h"
#include "tests/support/large_catalogue.h"

namespace {

// Sets a flag of the book with the title, in whatever letter case it is held.
void setRecordFlag(BookTables& books, const std::string& title, int bit) {
    for (int record = 1; record <= recordCount(books); ++record)
        if (compareFolded(books.records[record].title, title) == 0) setFlag(books.records[record].flags, bit, true);
}

std::vector<std::pair<std::string, int>> pairs(const std::vector<NamedCount>& counts) {
    std::vector<std::pair<std::string, int>> found;
    for (const NamedCount& each : counts) found.emplace_back(each.name, each.count);
    return found;
}

using Pairs = std::vector<std::pair<std::string, int>>;

// Eight books counted by hand: two deleted ones (one marked, one read in a
// year before all the others, one read in 2021), a year without books
// between two with two each, the blank last entries and codes past the
// vocabularies. Categories Mystery, Spy and Romance tie at one book and come
// in vocabulary order, not in the order of the records.
TEST(ReadingFigures, HandCountedCatalogue) {
    Catalogue catalogue;
    addBook(catalogue, "A", "a1", "03-01-2019", 2, 6);
    addBook(catalogue, "A", "a2", "05-05-2019", 1, 8);
    addBook(catalogue, "B", "b1", "12-31-2021", 4, 6);
    addBook(catalogue, "B", "b2", "", 0, 0);
    addBook(catalogue, "C", "c1", "", 14, 10);
    addBook(catalogue, "C", "c2", "01-01-2021", 20, 200);
    addBook(catalogue, "D", "d1", "07-07-2017", 1, 8);
    addBook(catalogue, "D", "d2", "02-02-2021", 4, 8);
    setRecordFlag(catalogue.books, "a1", MarkedFlag);
    setRecordFlag(catalogue.books, "d1", MarkedFlag);
    setRecordFlag(catalogue.books, "d1", DeletedFlag);
    setRecordFlag(catalogue.books, "d2", DeletedFlag);

    const ReadingFigures figures = readingFigures(catalogue.books);
    EXPECT_EQ(figures.held, 6);
    EXPECT_EQ(figures.read, 4);
    EXPECT_EQ(figures.unread, 2);
    EXPECT_EQ(figures.marked, 1);
    EXPECT_EQ(figures.firstYear, 2019);
    EXPECT_EQ(figures.readPerYear, (std::vector<int>{2, 0, 2}));
    EXPECT_EQ(figures.busiestYear, 2019);  // ties with 2021: the earliest
    EXPECT_EQ(pairs(figures.perCategory), (Pairs{{"(none)", 3}, {"Spy", 1}, {"Mystery", 1}, {"Romance", 1}}));
    EXPECT_EQ(pairs(figures.perReview), (Pairs{{"(none)", 3}, {"Good", 2}, {"Excellent", 1}}));
}

// Without read books there are no years; the years run from the epoch to the
// last year a packed date holds.
TEST(ReadingFigures, YearsSpanOnlyTheReadBooks) {
    Catalogue catalogue;
    EXPECT_EQ(readingFigures(catalogue.books).held, 0);
    addBook(catalogue, "A", "unread", "", 3, 3);
    ReadingFigures figures = readingFigures(catalogue.books);
    EXPECT_EQ(figures.unread, 1);
    EXPECT_TRUE(figures.readPerYear.empty());
    EXPECT_EQ(figures.firstYear, 0);
    EXPECT_EQ(figures.busiestYear, 0);
    EXPECT_EQ(pairs(figures.perCategory), (Pairs{{"Inspirational", 1}}));

    const auto packed = [](int year) { return static_cast<std::uint16_t>((year - DateEpoch) << 9 | 1 << 5 | 1); };
    insertRecord(catalogue, "B", "last", "", packed(2107), 0, 0);
    insertRecord(catalogue, "B", "later", "", packed(2107), 0, 0);
    insertRecord(catalogue, "C", "first", "", packed(DateEpoch), 0, 0);
    figures = readingFigures(catalogue.books);
    EXPECT_EQ(figures.firstYear, DateEpoch);
    ASSERT_EQ(figures.readPerYear.size(), 128u);
    EXPECT_EQ(figures.readPerYear.front(), 1);
    EXPECT_EQ(figures.readPerYear.back(), 2);
    EXPECT_EQ(figures.busiestYear, 2107);
}

// Over generated catalogues with deleted books: every group adds up, the
// lists never rise, and the busiest year holds the most books.
TEST(ReadingFigures, FiguresAddUpOverGeneratedCatalogues) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        Catalogue catalogue = makeLargeCatalogue(500 * static_cast<int>(seed), seed);
        int deletedCount = 0;
        for (int record = seed; record <= recordCount(catalogue.books); record += 5, ++deletedCount)
            setFlag(catalogue.books.records[record].flags, DeletedFlag, true);
        const ReadingFigures figures = readingFigures(catalogue.books);
        SCOPED_TRACE(seed);
        EXPECT_EQ(figures.held, recordCount(catalogue.books) - deletedCount);
        EXPECT_EQ(figures.read + figures.unread, figures.held);
        EXPECT_EQ(std::accumulate(figures.readPerYear.begin(), figures.readPerYear.end(), 0), figures.read);
        ASSERT_FALSE(figures.readPerYear.empty());
        EXPECT_NE(figures.readPerYear.front(), 0);
        EXPECT_NE(figures.readPerYear.back(), 0);
        EXPECT_EQ(figures.readPerYear[figures.busiestYear - figures.firstYear],
                  *std::max_element(figures.readPerYear.begin(), figures.readPerYear.end()));
        for (const auto* group : {&figures.perCategory, &figures.perReview}) {
            const auto sum = std::accumulate(group->begin(), group->end(), 0,
                                             [](int total, const NamedCount& each) { return total + each.count; });
            EXPECT_EQ(sum, figures.held);
            EXPECT_TRUE(std::is_sorted(group->begin(), group->end(),
                                       [](const NamedCount& a, const NamedCount& b) { return a.count > b.count; }));
        }
    }
}

}  // namespace
