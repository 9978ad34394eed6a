#include <gtest/gtest.h>

#include "core/marks.h"
#include "tests/core/catalogue_builders.h"

TEST(Marks, SettingTogglingAndRecountingKeepTheCount) {
    Catalogue c;
    addBook(c, "AUSTEN", "EMMA");
    addBook(c, "BRONTE", "JANE EYRE");
    addBook(c, "DICKENS", "BLEAK HOUSE");
    setMarked(c.books, 1, true);
    setMarked(c.books, 1, true);  // already marked: counted once
    EXPECT_EQ(c.books.markedCount, 1);
    toggleMarked(c.books, 2);
    setMarked(c.books, 3, false);  // not marked: nothing to take away
    EXPECT_EQ(c.books.markedCount, 2);
    toggleMarked(c.books, 2);
    EXPECT_EQ(c.books.markedCount, 1);

    setFlag(c.books.records[3].flags, MarkedFlag, true);  // as a loaded file holds it
    recountMarks(c.books);
    EXPECT_EQ(c.books.markedCount, 2);
}
