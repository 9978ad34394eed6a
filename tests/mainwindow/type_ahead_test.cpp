// Typing in the book list jumps to a book by its author.
#include <gtest/gtest.h>

#include "tests/mainwindow/program_harness.h"

namespace {

// Author order: Austen (Emma, Persuasion), Austin, Bronte, Brontë, Christie,
// Eco; Persuasion and Curtain are read.
struct TypingInTheList : ProgramHarness, ::testing::Test {
    TypingInTheList() {
        addBook(catalogue, "Austen, Jane", "Emma");
        addBook(catalogue, "Austen, Jane", "Persuasion", "05-05-1990");
        addBook(catalogue, "Austin, Mary", "The Land of Little Rain");
        addBook(catalogue, "Bronte, Anne", "Agnes Grey");
        addBook(catalogue, "Bront\u00EB, Emily", "Wuthering Heights");
        addBook(catalogue, "Christie, Agatha", "Curtain", "07-01-2003");
        addBook(catalogue, "Eco, Umberto", "The Name of the Rose");
        catalogue.books.changed = false;
        catalogue.view.currentRecord = 0;
        rebuildView(catalogue);
    }

    // The selected rows, the position in field 4 and the current record's title.
    static std::string where(const User& user, const Catalogue& catalogue) {
        std::string shown;
        for (int row : selectedRows(user)) shown += std::to_string(row) + " ";
        return shown + "|" + field(user, 4) + "|" + catalogue.books.records[catalogue.view.currentRecord].title;
    }
};

TEST_F(TypingInTheList, LettersTypedTogetherFindTheAuthorFromTheCurrentRowDownAndAPauseStartsAnew) {
    start([&](User& user) {
        // From the current row down: "a" stays on Austen, "aust" too, "austi" moves on.
        user.typeIntoList(BookListId, "a", 0);
        EXPECT_EQ(where(user, catalogue), "0 | 1 of  7|Emma");
        user.typeIntoList(BookListId, "UST", 200);  // folded as authors are compared
        EXPECT_EQ(where(user, catalogue), "0 | 1 of  7|Emma");
        user.typeIntoList(BookListId, "i", 400);
        EXPECT_EQ(where(user, catalogue), "2 | 3 of  7|The Land of Little Rain");
        // Letters that begin no author change nothing.
        user.typeIntoList(BookListId, "x", 600);
        EXPECT_EQ(where(user, catalogue), "2 | 3 of  7|The Land of Little Rain");

        // After a pause a new search; letters outside a to z match only themselves.
        user.typeIntoList(BookListId, "bront", 1600);
        EXPECT_EQ(where(user, catalogue), "3 | 4 of  7|Agnes Grey");
        user.typeIntoList(BookListId, "\u00EB", 1700);
        EXPECT_EQ(where(user, catalogue), "4 | 5 of  7|Wuthering Heights");
        // Searching down from the current row wraps round to the top.
        user.typeIntoList(BookListId, "a", 2700);
        EXPECT_EQ(where(user, catalogue), "0 | 1 of  7|Emma");
        // A pause just short of the limit still adds to the text.
        user.typeIntoList(BookListId, "e", 3699);
        EXPECT_EQ(where(user, catalogue), "0 | 1 of  7|Emma");  // "ae" begins no author
        user.typeIntoList(BookListId, " e", 5000);              // a blank starts no search
        EXPECT_EQ(where(user, catalogue), "6 | 7 of  7|The Name of the Rose");

        // A jump replaces a multiple selection as a click does.
        user.selectRows(BookListId, {0, 1, 2});
        user.typeIntoList(BookListId, "c", 7000);
        EXPECT_EQ(where(user, catalogue), "5 | 6 of  7|Curtain");
        // In another view and order the search follows the rows shown.
        user.chooseMenuItem(BooksReadCommand);
        user.chooseMenuItem(SortCommand);  // Persuasion (1990), then Curtain (2003)
        user.typeIntoList(BookListId, "au", 9000);
        EXPECT_EQ(where(user, catalogue), "0 | 1 of  2|Persuasion");
    });
    EXPECT_FALSE(catalogue.books.changed);
}

}  // namespace
