#include <gtest/gtest.h>

#include "core/vocabularies.h"
#include "tests/core/catalogue_builders.h"

namespace {

using Rows = std::vector<std::string>;

// Four books: two read, two unread, inserted out of order.
Catalogue shelf() {
    Catalogue catalogue;
    catalogue.books.upperCase = true;
    addBook(catalogue, "CHRISTIE", "ENDLESS NIGHT", "7-1-2001");
    addBook(catalogue, "AUSTEN", "EMMA");
    addBook(catalogue, "BRONTE", "JANE EYRE", "3-9-1995");
    addBook(catalogue, "DICKENS", "BLEAK HOUSE");
    return catalogue;
}

Rows viewIn(Catalogue catalogue, ViewMode mode, bool byDate) {
    catalogue.view.mode = mode;
    catalogue.view.sortByDate = byDate;
    rebuildView(catalogue);
    return viewRows(catalogue);
}

TEST(RebuildView, EveryModeInBothOrders) {
    const Catalogue c = shelf();
    EXPECT_EQ(viewIn(c, ViewMode::All, false),
              (Rows{"AUSTEN EMMA", "BRONTE JANE EYRE", "CHRISTIE ENDLESS NIGHT", "DICKENS BLEAK HOUSE"}));
    EXPECT_EQ(viewIn(c, ViewMode::All, true),
              (Rows{"DICKENS BLEAK HOUSE", "AUSTEN EMMA", "BRONTE JANE EYRE", "CHRISTIE ENDLESS NIGHT"}));
    EXPECT_EQ(viewIn(c, ViewMode::Read, false), (Rows{"BRONTE JANE EYRE", "CHRISTIE ENDLESS NIGHT"}));
    EXPECT_EQ(viewIn(c, ViewMode::Read, true), (Rows{"BRONTE JANE EYRE", "CHRISTIE ENDLESS NIGHT"}));
    EXPECT_EQ(viewIn(c, ViewMode::Unread, false), (Rows{"AUSTEN EMMA", "DICKENS BLEAK HOUSE"}));
    EXPECT_EQ(viewIn(c, ViewMode::Unread, true), (Rows{"DICKENS BLEAK HOUSE", "AUSTEN EMMA"}));
}

TEST(RebuildView, FoundViewHoldsExactlyTheShownRecords) {
    Catalogue c = shelf();
    for (int i = 1; i <= recordCount(c.books); ++i) setFlag(c.books.records[i].flags, ShownFlag, i % 2 == 0);
    EXPECT_EQ(viewIn(c, ViewMode::Found, false), (Rows{"BRONTE JANE EYRE", "DICKENS BLEAK HOUSE"}));
    for (int i = 1; i <= recordCount(c.books); ++i) setFlag(c.books.records[i].flags, ShownFlag, false);
    EXPECT_TRUE(viewIn(c, ViewMode::Found, true).empty());
}

TEST(RebuildView, DroppingHiddenRowsKeepsTheRestInOrderAndTheSelectionInside) {
    Catalogue c = shelf();
    c.view.selectedRow = 4;
    setFlag(c.books.records[c.view.order[2]].flags, ShownFlag, false);
    setFlag(c.books.records[c.view.order[4]].flags, ShownFlag, false);
    dropHiddenRows(c);
    EXPECT_EQ(viewRows(c), (Rows{"AUSTEN EMMA", "CHRISTIE ENDLESS NIGHT"}));
    EXPECT_EQ(c.view.selectedRow, 2);
}

TEST(RebuildView, CaptionNamesModeAndOrderButNotForUnread) {
    Catalogue c = shelf();
    const std::pair<ViewMode, bool> cases[] = {
        {ViewMode::All, false}, {ViewMode::Read, true}, {ViewMode::Unread, true}, {ViewMode::Found, true}};
    const char* expected[] = {"View All by Author", "Books Read by Date", "Books Unread", "Books Found by Date"};
    for (int i = 0; i < 4; ++i) {
        c.view.mode = cases[i].first;
        c.view.sortByDate = cases[i].second;
        rebuildView(c);
        EXPECT_EQ(viewCaptionOf(c.view), expected[i]);
    }
    Catalogue empty;
    rebuildView(empty);
    EXPECT_EQ(viewCaptionOf(empty.view), "View All by Author");
    EXPECT_EQ(viewCount(empty.view), 0);
    EXPECT_EQ(empty.view.selectedRow, 1);
}

TEST(RebuildView, SelectedRowFollowsTheCurrentRecordOrFallsToOne) {
    Catalogue c = shelf();
    c.view.currentRecord = 3;  // CHRISTIE
    rebuildView(c);
    EXPECT_EQ(c.view.selectedRow, 3);
    c.view.sortByDate = true;
    rebuildView(c);
    EXPECT_EQ(c.view.selectedRow, 4);
    c.view.mode = ViewMode::Unread;
    rebuildView(c);
    EXPECT_EQ(c.view.selectedRow, 1);
}

TEST(Vocabularies, CodesBeyondTheTablesReadAsEmpty) {
    EXPECT_EQ(categoryName(2), "Mystery");
    EXPECT_EQ(categoryName(14), "");
    EXPECT_EQ(categoryName(15), "");
    EXPECT_EQ(categoryName(255), "");
    EXPECT_EQ(reviewName(1), "Couldn't finish");
    EXPECT_EQ(reviewName(10), "");
    EXPECT_EQ(reviewName(11), "");
}

TEST(Flags, BitsAreAddressedByNumber) {
    std::uint8_t flags = 0x7C;  // bits 3 to 7 as a foreign file may hold them
    setFlag(flags, MarkedFlag, true);
    setFlag(flags, ShownFlag, true);
    EXPECT_EQ(flags, 0xFE);
    EXPECT_TRUE(testFlag(flags, MarkedFlag));
    EXPECT_FALSE(testFlag(flags, DeletedFlag));
    toggleFlag(flags, DeletedFlag);
    toggleFlag(flags, MarkedFlag);
    EXPECT_EQ(flags, 0x7F);
    setFlag(flags, ShownFlag, false);
    EXPECT_EQ(flags, 0x7D);
}

}  // namespace
