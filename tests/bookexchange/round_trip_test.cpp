#include <gtest/gtest.h>

#include <array>
#include <set>

#include "bookexchange/book_export.h"
#include "bookexchange/import_plan.h"
#include "core/letter_case.h"
#include "core/marks.h"
#include "tests/support/catalogue_difference.h"
#include "tests/support/large_catalogue.h"
#include "tests/support/realistic_catalogue.h"

namespace {

constexpr int CurrentYear = 2026;

// The books of a long-kept catalogue in proper case, each book once. A file
// that repeats a book (same author, title and read date) brings it in once,
// and it shares one author entry among spellings that differ only in case
// or blanks, which typing texts in other forms can leave apart.
std::vector<TypedBook> distinctBooks(int size, unsigned seed) {
    std::vector<TypedBook> books;
    std::set<std::string> seen;
    for (TypedBook& book : realisticBooks(size, seed)) {
        convertLetterCase(book.author, false);
        convertLetterCase(book.title, false);
        const std::string key = book.author + '\n' + book.title + '\n' + std::to_string(book.packedDate);
        if (seen.insert(foldedText(key)).second) books.push_back(std::move(book));
    }
    return books;
}

// The catalogue an import of `file` into an empty catalogue of the same
// letter case makes.
Catalogue imported(const std::string& file, bool upperCase) {
    Catalogue catalogue;
    catalogue.books.upperCase = upperCase;
    const ImportPlanResult planned = planImport(file, catalogue.books, CurrentYear);
    EXPECT_TRUE(planned.ok) << planned.problem;
    EXPECT_TRUE(planned.plan.notImportable.empty());
    EXPECT_EQ(planned.plan.repeatedInFile + planned.plan.alreadyInCatalogue, 0);
    const ImportOutcome outcome = applyImport(catalogue, planned.plan);
    EXPECT_EQ(outcome.stop, InsertResult::Inserted);
    return catalogue;
}

// Every third book without a date becomes one read on a day nobody knows.
Catalogue withUndatedReads(Catalogue catalogue) {
    for (int i = 1, undated = 0; i <= recordCount(catalogue.books); ++i)
        if (readDateOf(catalogue.books, i) == 0 && ++undated % 3 == 0)
            setFlag(catalogue.books.records[i].flags, ReadUndatedFlag, true);
    return catalogue;
}

// What a catalogue holds after a round through a file: the view of all
// books, the last book current, changed set.
Catalogue asImported(Catalogue catalogue, int current) {
    catalogue.view.mode = ViewMode::All;
    catalogue.view.currentRecord = current;
    for (int i = 1; i <= recordCount(catalogue.books); ++i) setFlag(catalogue.books.records[i].flags, ShownFlag, true);
    rebuildView(catalogue);
    return catalogue;
}

TEST(ExportThenImport, GivesTheSameCatalogueBack) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Catalogue proper = withUndatedReads(enterBooks(distinctBooks(400, seed), seed));
        // Codes 14 of the categories and 10 of the reviews have no name: a
        // file cannot tell them from none.
        Catalogue capitals = makeLargeCatalogue(300, seed);
        for (int i = 1; i <= recordCount(capitals.books); ++i) {
            BookRecord& record = capitals.books.records[i];
            if (record.category == 14) record.category = 0;
            if (record.review == 10) record.review = 0;
        }
        for (const Catalogue* source : {&proper, &capitals}) {
            const std::string file = exportBooks(source->books, allBooks(source->books), ExportForm::Quorvels);
            const Catalogue back = imported(file, source->books.upperCase);
            EXPECT_EQ(firstDifference(back, asImported(*source, back.view.currentRecord)), "");
        }
    }
}

TEST(ExportThenImport, GoodreadsFormKeepsAllButTheFinerReviewsAndMarks) {
    // A review goes out as stars and comes back as the review of those stars.
    constexpr std::array<std::uint8_t, 10> ReviewBack = {0, 1, 3, 3, 5, 5, 6, 8, 8, 9};
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Catalogue source = withUndatedReads(enterBooks(distinctBooks(400, seed), seed));
        const Catalogue back =
            imported(exportBooks(source.books, allBooks(source.books), ExportForm::Goodreads), false);
        Catalogue expected = asImported(source, back.view.currentRecord);
        for (int i = 1; i <= recordCount(expected.books); ++i) {
            BookRecord& record = expected.books.records[i];
            record.review = ReviewBack[record.review];
            setMarked(expected.books, i, false);
        }
        EXPECT_EQ(firstDifference(back, expected), "");
    }
}

TEST(ImportPlan, AFullCatalogueStopsAtTheLastBookThatFits) {
    Catalogue catalogue = makeLargeCatalogue(50, 2);
    while (authorCount(catalogue.books) < MaxAuthors - 3)
        catalogue.books.authors.push_back("ZZ" + std::to_string(100000 + authorCount(catalogue.books)));
    const std::string file = "Author,Title\nAdams,One\nBaker,Two\nCole,Three\nDrew,Four\nEvans,Five\n";
    const ImportPlanResult planned = planImport(file, catalogue.books, CurrentYear);
    ASSERT_TRUE(planned.ok);
    const ImportOutcome outcome = applyImport(catalogue, planned.plan);
    EXPECT_EQ(importOutcomeText(outcome),
              "The catalogue is full: 3 of the 5 books were added, and it now holds 32767 authors, the most a "
              "catalogue file can hold. The book on line 5 and those after it were not added.");
    EXPECT_EQ(recordCount(catalogue.books), 53);
}

}  // namespace
