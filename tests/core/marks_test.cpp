#include <gtest/gtest.h>

#include "core/marks.h"
#include "tests/core/catalogue_builders.h"

TEST(Marks, SettingTogglingAndRecountingKeepTheCount) {
    Catalogue c;
    addBook(c, "AUSTEN", "EMMA");
    addBook(c, "BRONTE", "JANE EYRE");
    addBook(c, "DICKENS", "BLEAK HOUSE");
    setMarked(c, 1, true);
    setMarked(c, 1, true);  // already marked: counted once
    EXPECT_EQ(c.markedCount, 1);
    toggleMarked(c, 2);
    setMarked(c, 3, false);  // not marked: nothing to take away
    EXPECT_EQ(c.markedCount, 2);
    toggleMarked(c, 2);
    EXPECT_EQ(c.markedCount, 1);

    setFlag(c.records[3].flags, marked, true);  // as a loaded file holds it
    recountMarks(c);
    EXPECT_EQ(c.markedCount, 2);
}
