#include <gtest/gtest.h>

#include "tests/core/catalogue_builders.h"
#include "tests/support/catalogue_invariants.h"

namespace {

using Rows = std::vector<std::string>;

Catalogue capitals() {
    Catalogue catalogue;
    catalogue.books.upperCase = true;
    return catalogue;
}

TEST(InsertRecord, FirstBookFillsEntryOneOfEveryTable) {
    Catalogue catalogue = capitals();
    const std::uint32_t viewBefore = catalogue.view.version;
    ASSERT_EQ(addBook(catalogue, "TOLKIEN", "THE HOBBIT", "3-4-1999"), InsertResult::Inserted);
    EXPECT_EQ(recordCount(catalogue.books), 1);
    EXPECT_EQ(authorCount(catalogue.books), 1);
    EXPECT_EQ(catalogue.books.records[1].authorIndex, 1);
    EXPECT_EQ(catalogue.books.records[1].dateIndex, 1);
    EXPECT_EQ(catalogue.books.records[1].flags, 0x02);  // shown only
    EXPECT_EQ(catalogue.view.currentRecord, 1);
    EXPECT_EQ(viewCount(catalogue.view), 1);
    EXPECT_EQ(viewCaptionOf(catalogue.view), "View All by Author");
    EXPECT_TRUE(catalogue.books.changed);
    EXPECT_EQ(catalogue.view.version, viewBefore + 1);  // the view was rebuilt
}

TEST(InsertRecord, BlankInRecordKeyPutsShorterAuthorFirst) {
    Catalogue catalogue = capitals();
    addBook(catalogue, "SMITHE", "AARDVARKS");
    addBook(catalogue, "SMITH", "ZOO");
    EXPECT_EQ(viewRows(catalogue), (Rows{"SMITH ZOO", "SMITHE AARDVARKS"}));
    EXPECT_EQ(catalogue.books.authors[1], "SMITH");
    EXPECT_EQ(catalogue.books.authors[2], "SMITHE");
}

TEST(InsertRecord, EqualAuthorAndTitleListNewestFirst) {
    Catalogue catalogue = capitals();
    addBook(catalogue, "DOE", "SAME", "", 1);
    addBook(catalogue, "DOE", "SAME", "", 2);
    addBook(catalogue, "DOE", "SAME", "", 3);
    EXPECT_EQ(catalogue.books.records[1].category, 3);
    EXPECT_EQ(catalogue.books.records[2].category, 2);
    EXPECT_EQ(catalogue.books.records[3].category, 1);
    EXPECT_EQ(catalogue.view.currentRecord, 1);
}

TEST(InsertRecord, AuthorIsReusedAcrossLetterCaseAndKeepsFirstSpelling) {
    Catalogue catalogue;  // proper case
    addBook(catalogue, "SMITH", "ONE");
    addBook(catalogue, "smith", "TWO");
    EXPECT_EQ(authorCount(catalogue.books), 1);
    EXPECT_EQ(catalogue.books.authors[1], "Smith");
    EXPECT_EQ(catalogue.books.records[1].authorIndex, catalogue.books.records[2].authorIndex);

    // Also when proper case gives the typed author the entry's blank.
    addBook(catalogue, "Austen, Jane", "Emma");
    addBook(catalogue, "AUSTEN,JANE", "Persuasion");
    EXPECT_EQ(authorCount(catalogue.books), 2);
}

TEST(InsertRecord, NewAuthorShiftsTheIndicesOfLaterAuthors) {
    Catalogue catalogue = capitals();
    addBook(catalogue, "CARVER", "C BOOK");
    addBook(catalogue, "ADAMS", "A BOOK");
    addBook(catalogue, "BRONTE", "B BOOK");
    ASSERT_EQ(authorCount(catalogue.books), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(authorOf(catalogue.books, i).front(), catalogue.books.records[i].title.front()) << i;
    EXPECT_TRUE(invariantBreaks(catalogue).empty());
}

TEST(InsertRecord, UndatedBooksGoFirstAndShiftEveryDateIndex) {
    Catalogue catalogue = capitals();
    addBook(catalogue, "A", "DATED LATE", "5-5-2010");
    addBook(catalogue, "B", "DATED EARLY", "5-5-1990");
    addBook(catalogue, "C", "UNDATED OLD");
    addBook(catalogue, "D", "UNDATED NEW");
    EXPECT_EQ(catalogue.books.readDates,
              (std::vector<std::uint16_t>{0, 0, 0, packReadDate("05-05-1990"), packReadDate("05-05-2010")}));
    EXPECT_EQ(catalogue.books.records[4].dateIndex, 1);  // D, newest undated
    EXPECT_EQ(catalogue.books.records[3].dateIndex, 2);  // C
    EXPECT_EQ(catalogue.books.records[2].dateIndex, 3);  // B
    EXPECT_EQ(catalogue.books.records[1].dateIndex, 4);  // A
    catalogue.view.sortByDate = true;
    rebuildView(catalogue);
    EXPECT_EQ(viewRows(catalogue), (Rows{"D UNDATED NEW", "C UNDATED OLD", "B DATED EARLY", "A DATED LATE"}));
}

TEST(InsertRecord, AppendsAfterEveryExistingKey) {
    Catalogue catalogue = capitals();
    addBook(catalogue, "ADAMS", "ONE", "1-1-2000");
    addBook(catalogue, "ZOLA", "TWO", "1-1-2020");
    EXPECT_EQ(catalogue.books.authors.back(), "ZOLA");
    EXPECT_EQ(catalogue.books.readDates.back(), packReadDate("01-01-2020"));
    EXPECT_EQ(catalogue.view.currentRecord, 2);
}

TEST(InsertRecord, NewTextsTakeTheCurrentLetterCase) {
    Catalogue catalogue;
    addBook(catalogue, "tolkien, j. r. r.", "THE LORD OF THE RINGS");
    EXPECT_EQ(catalogue.books.authors[1], "Tolkien, J.R.R.");
    EXPECT_EQ(catalogue.books.records[1].title, "The Lord of the Rings");
    Catalogue upper = capitals();
    addBook(upper, "tolkien", "the hobbit");
    EXPECT_EQ(upper.books.authors[1], "TOLKIEN");
    EXPECT_EQ(upper.books.records[1].title, "THE HOBBIT");
}

TEST(InsertRecord, ConvertsTextsLoadedOutsideTheCurrentForm) {
    // Texts put in by other means (a file) are brought into form by the next insertion.
    Catalogue catalogue = capitals();
    addBook(catalogue, "ADAMS", "ONE");
    catalogue.books.records[1].title = "mixed Case";
    catalogue.books.lettersInForm = false;
    addBook(catalogue, "BAKER", "TWO");
    EXPECT_EQ(catalogue.books.records[1].title, "MIXED CASE");
}

TEST(InsertRecord, RefusesBeyondCapacityAndChangesNothing) {
    Catalogue catalogue = capitals();
    addBook(catalogue, "ADAMS", "ONE");
    catalogue.books.changed = false;
    catalogue.books.records.resize(MaxRecords + 1, catalogue.books.records[1]);
    catalogue.books.readDates.resize(MaxRecords + 1, 0);
    const auto before = catalogue.books.records.size();
    EXPECT_EQ(addBook(catalogue, "BAKER", "TWO"), InsertResult::CatalogueFull);
    EXPECT_EQ(catalogue.books.records.size(), before);
    EXPECT_FALSE(catalogue.books.changed);

    Catalogue authors = capitals();
    addBook(authors, "ADAMS", "ONE");
    authors.books.changed = false;
    for (int i = 2; i <= MaxAuthors; ++i) authors.books.authors.push_back("ZZ" + std::to_string(100000 + i));
    EXPECT_EQ(addBook(authors, "BAKER", "TWO"), InsertResult::AuthorsFull);
    EXPECT_EQ(recordCount(authors.books), 1);
    EXPECT_EQ(authorCount(authors.books), MaxAuthors);
    EXPECT_FALSE(authors.books.changed);
    // A known author still fits.
    EXPECT_EQ(addBook(authors, "adams", "THREE"), InsertResult::Inserted);
}

}  // namespace
