#include <gtest/gtest.h>

#include "dialogs/find_search.h"
#include "tests/core/catalogue_builders.h"

namespace {

using Rows = std::vector<std::string>;

Catalogue library() {
    Catalogue c;
    c.books.upperCase = true;
    addBook(c, "SMITH", "RED HOUSE", "", 2);
    addBook(c, "KEITH", "BLUE HOUSE", "", 1);
    addBook(c, "GOLDSMITH", "GREEN FIELD", "", 2);
    addBook(c, "JONES", "WHITE FIELD", "", 14);
    c.books.records[2].disposition = "Lent to Ann";  // GOLDSMITH, JONES, KEITH, SMITH
    return c;
}

Rows found(Catalogue c, const FindCriteria& criteria) {
    runFind(c.books, criteria);
    c.view.mode = ViewMode::Found;
    rebuildView(c);
    return viewRows(c);
}

TEST(Find, TextsMatchAnywhereWithoutRegardToCase) {
    const Catalogue c = library();
    EXPECT_EQ(found(c, makeFindCriteria("ith", "", "", -1)),
              (Rows{"GOLDSMITH GREEN FIELD", "KEITH BLUE HOUSE", "SMITH RED HOUSE"}));
    EXPECT_EQ(found(c, makeFindCriteria("  SMITH  ", "", "", -1)), (Rows{"GOLDSMITH GREEN FIELD", "SMITH RED HOUSE"}));
    EXPECT_EQ(found(c, makeFindCriteria("", "", "ANN", 0)), (Rows{"JONES WHITE FIELD"}));
}

TEST(Find, CriteriaCombineWithAnd) {
    const Catalogue c = library();
    EXPECT_EQ(found(c, makeFindCriteria("smith", "", "", 2)), (Rows{"GOLDSMITH GREEN FIELD", "SMITH RED HOUSE"}));
    EXPECT_EQ(found(c, makeFindCriteria("smith", "house", "", 2)), (Rows{"SMITH RED HOUSE"}));
    EXPECT_TRUE(found(c, makeFindCriteria("keith", "", "", 2)).empty());
}

TEST(Find, CategoryEntriesByPosition) {
    const Catalogue c = library();
    EXPECT_TRUE(hasNoCondition(makeFindCriteria("", "", "", 0)));                        // the empty first entry
    EXPECT_TRUE(hasNoCondition(makeFindCriteria("   ", " ", "", -1)));                   // blanks only
    EXPECT_EQ(found(c, makeFindCriteria("", "", "", 14)), (Rows{"JONES WHITE FIELD"}));  // the empty last entry
}

TEST(Find, DeletedRecordsAreFoundAndNoMatchHidesAll) {
    Catalogue c = library();
    setFlag(c.books.records[1].flags, DeletedFlag, true);  // GOLDSMITH
    setFlag(c.books.records[1].flags, ShownFlag, false);
    EXPECT_TRUE(runFind(c.books, makeFindCriteria("gold", "", "", -1)));
    EXPECT_TRUE(testFlag(c.books.records[1].flags, ShownFlag));
    EXPECT_FALSE(runFind(c.books, makeFindCriteria("nobody", "", "", -1)));
    for (int i = 1; i <= recordCount(c.books); ++i) EXPECT_FALSE(testFlag(c.books.records[i].flags, ShownFlag));
}

}  // namespace
