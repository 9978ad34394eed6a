#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "core/letter_case.h"
#include "tests/core/catalogue_builders.h"
#include "tests/support/catalogue_invariants.h"
#include "tests/support/large_catalogue.h"
#include "tests/support/realistic_catalogue.h"

namespace {

// Texts of letters and single inner blanks: the letter-case conversion keeps
// their folded order, so every invariant must hold at every step.
std::string randomText(std::mt19937& random, const char* alphabet) {
    std::uniform_int_distribution<int> length(1, 7), coin(0, 3);
    const std::string letters(alphabet);
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    std::string text;
    for (int i = length(random); i > 0; --i) {
        text += letters[pick(random)];
        if (i > 1 && coin(random) == 0) text += ' ';
    }
    return text;
}

TEST(Invariants, HoldAfterRandomInsertionsAndCaseSwitches) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> action(0, 19), month(1, 12), day(1, 28), year(1980, 2026), coin(0, 2);
        Catalogue c;
        for (int step = 0; step < 150; ++step) {
            const int what = action(random);
            if (what == 0) {
                toggleLetterCase(c.books);
            } else if (what == 1) {
                c.view.sortByDate = !c.view.sortByDate;
                c.view.mode = static_cast<ViewMode>(step % 4);
                rebuildView(c);
            } else {
                std::string date;
                if (coin(random) != 0)
                    date = std::to_string(month(random)) + "/" + std::to_string(day(random)) + "/" +
                           std::to_string(year(random));
                addBook(c, randomText(random, "abcABC"), randomText(random, "xyzXYZ"), date);
                const auto row = std::find(c.view.order.begin() + 1, c.view.order.end(), c.view.currentRecord);
                ASSERT_EQ(c.view.selectedRow, row == c.view.order.end() ? 1 : row - c.view.order.begin())
                    << "seed " << seed;
            }
            const auto breaks = invariantBreaks(c);
            ASSERT_TRUE(breaks.empty()) << "seed " << seed << " step " << step << ": " << breaks.front();
        }
        // Every record's texts are in the form upperCase names.
        for (int i = 1; i <= recordCount(c.books); ++i) {
            const std::string& title = c.books.records[i].title;
            EXPECT_EQ(title, c.books.upperCase ? upperText(title) : properCase(title)) << "seed " << seed;
        }
    }
}

TEST(Invariants, HoldForGeneratedLargeCatalogues) {
    const Catalogue c = makeLargeCatalogue(2000, 7);
    const auto breaks = invariantBreaks(c);
    EXPECT_TRUE(breaks.empty()) << (breaks.empty() ? "" : breaks.front());
    EXPECT_EQ(viewCount(c.view), 2000);
}

TEST(Invariants, HoldForARealisticCatalogueEnteredBookByBook) {
    // Typed in mixed case, with commas and dashes that proper case gives
    // other blanks: each book is placed by its texts as converted.
    const Catalogue c = enterBooks(realisticBooks(1500));
    const auto breaks = invariantBreaks(c);
    EXPECT_TRUE(breaks.empty()) << (breaks.empty() ? "" : breaks.front());
    ASSERT_EQ(recordCount(c.books), 1500);

    // What the benchmarks rely on: about a fifth undated, every code, titles
    // up to the longest a file holds, authors sharing surnames, some marked.
    int undated = 0, marks = 0;
    std::set<int> categories, reviews;
    std::size_t longestTitle = 0;
    for (int i = 1; i <= recordCount(c.books); ++i) {
        undated += isRead(c.books, i) ? 0 : 1;
        marks += testFlag(c.books.records[i].flags, MarkedFlag) ? 1 : 0;
        categories.insert(c.books.records[i].category);
        reviews.insert(c.books.records[i].review);
        longestTitle = std::max(longestTitle, c.books.records[i].title.size());
        EXPECT_EQ(c.books.records[i].title, properCase(c.books.records[i].title));
    }
    EXPECT_NEAR(undated, 300, 60);
    EXPECT_EQ(categories.size(), 14u);
    EXPECT_EQ(reviews.size(), 10u);
    EXPECT_GT(longestTitle, 200u);
    EXPECT_LE(longestTitle, 255u);
    EXPECT_EQ(marks, c.books.markedCount);
    EXPECT_NEAR(marks, 150, 50);
    EXPECT_LT(authorCount(c.books), 300);
    std::set<std::string> surnames;
    for (int a = 1; a <= authorCount(c.books); ++a)
        surnames.insert(c.books.authors[a].substr(0, c.books.authors[a].find(',')));
    EXPECT_LT(surnames.size() * 2, static_cast<std::size_t>(authorCount(c.books)));
    EXPECT_TRUE(c.books.changed);
    EXPECT_EQ(c.view.selectedRow, 1);
}

}  // namespace
