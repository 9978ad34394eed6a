// User stories of marking, deleting and undeleting books.
#include <gtest/gtest.h>

#include "tests/mainwindow/program_harness.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Strings = std::vector<std::string>;

// Five books in a file the settings name: rows Emma, Curtain, The Name of the
// Rose, Dune, The Hobbit (author order); Curtain, Rose and Dune are read.
struct MarkCommands : ProgramHarness, ::testing::Test {
    std::string shelf;
    const Strings allFive{"  Emma", "  Curtain", "  The Name of the Rose", "  Dune", "  The Hobbit"};

    MarkCommands() {
        shelf = saveCatalogueFile("shelf.pmr", [](Catalogue& books) {
            addBook(books, "Austen, Jane", "Emma");
            addBook(books, "Christie, Agatha", "Curtain", "05-05-1990");
            addBook(books, "Eco, Umberto", "The Name of the Rose", "03-14-1998");
            addBook(books, "Herbert, Frank", "Dune", "07-01-2003");
            addBook(books, "Tolkien, J.R.R.", "The Hobbit");
        });
        writeSettingsFile(shelf);
    }

    const platform::scripted::ScriptedMessageBoxes::Shown& lastBox() { return ui.messageBoxes.shown.back(); }

    void deleteBooksAnswering(User& user, Answer answer) {
        ui.messageBoxes.expect(answer);
        user.chooseMenuItem(DeleteBooksCommand);
    }
};

TEST_F(MarkCommands, MarkAllShownAndUnmarkAllShownActOnTheListedBooks) {
    start([&](User& user) {
        user.chooseMenuItem(BooksReadCommand);
        user.chooseMenuItem(MarkAllShownCommand);
        EXPECT_EQ(titles(user), (Strings{"x Curtain", "x The Name of the Rose", "x Dune"}));
        EXPECT_EQ(field(user, 3), " 3 marked");
        EXPECT_TRUE(enabled(user, UnmarkAllShownCommand));

        user.selectRows(BookListId, {0, 2});
        user.click(MarkButtonId);  // Mark Selected, through the toolbar
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "x The Name of the Rose", "  Dune"}));
        EXPECT_EQ(field(user, 3), " 1 marked");

        user.chooseMenuItem(UnmarkAllShownCommand);
        EXPECT_EQ(field(user, 3), "");
        EXPECT_FALSE(enabled(user, UnmarkAllShownCommand));

        user.clickRow(BookListId, 1);  // one row is enough for Mark Selected
        user.chooseMenuItem(MarkSelectedCommand);
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "x The Name of the Rose", "  Dune"}));
        EXPECT_EQ(field(user, 3), " 1 marked");
    });
    EXPECT_FALSE(catalogue.books.changed);  // marks alone are no change to save for
}

TEST_F(MarkCommands, DeletingTheCurrentRecordAsksForItAndSelectsTheRowAbove) {
    start([&](User& user) {
        user.clickRow(BookListId, 4);
        deleteBooksAnswering(user, Answer::Yes);
        EXPECT_EQ(lastBox().text, "Delete this record now?");
        EXPECT_EQ(lastBox().caption, "Delete Records");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
        EXPECT_EQ(lastBox().icon, Icon::Exclamation);
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  Curtain", "  The Name of the Rose", "  Dune"}));
        EXPECT_EQ(selectedRows(user), (std::vector<int>{3}));  // row 5 deleted: row 4 selected
        EXPECT_EQ(fields(user), (Strings{"shelf.pmr", "View All by Author", "", " 4 of  4"}));
        EXPECT_TRUE(enabled(user, UndeleteCommand));

        user.clickRow(BookListId, 0);
        deleteBooksAnswering(user, Answer::Yes);
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "  The Name of the Rose", "  Dune"}));
        EXPECT_EQ(selectedRows(user), (std::vector<int>{0}));  // row 1 deleted: row 1 stays selected
        EXPECT_EQ(authorOf(catalogue.books, catalogue.view.currentRecord), "Christie, Agatha");
        EXPECT_TRUE(catalogue.books.changed);
    });
}

TEST_F(MarkCommands, DeletingThreeSelectedRowsMarksThemAndAsksForAllThree) {
    start([&](User& user) {
        user.selectRows(BookListId, {1, 2, 3});
        deleteBooksAnswering(user, Answer::Yes);
        EXPECT_EQ(lastBox().text, "3 records marked ...\r\nDelete them all now?");
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  The Hobbit"}));
        EXPECT_EQ(selectedRows(user), (std::vector<int>{0}));
        EXPECT_EQ(fields(user), (Strings{"shelf.pmr", "View All by Author", "", " 1 of  2"}));
        EXPECT_EQ(catalogue.books.markedCount, 0);

        // Saving drops them from the file and from memory.
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(recordCount(catalogue.books), 2);
        EXPECT_TRUE(enabled(user, UndeleteCommand));  // until an Undelete
    });
    EXPECT_EQ(booksInFile(shelf), (Strings{"Austen, Jane Emma", "Tolkien, J.R.R. The Hobbit"}));
}

// The delete first toggles the marks of the selected rows; No keeps them.
TEST_F(MarkCommands, NoToTheDeletePromptKeepsTheToggledMarks) {
    start([&](User& user) {
        user.doubleClickRow(BookListId, 1);  // Curtain marked
        user.selectRows(BookListId, {1, 2});
        deleteBooksAnswering(user, Answer::No);
        EXPECT_EQ(lastBox().text, "1 records marked ...\r\nDelete them all now?");
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  Curtain", "x The Name of the Rose", "  Dune", "  The Hobbit"}));
        EXPECT_EQ(field(user, 3), " 1 marked");
        EXPECT_FALSE(catalogue.books.changed);
        EXPECT_FALSE(enabled(user, UndeleteCommand));
    });
}

// Marked books the list does not show are neither counted nor deleted.
TEST_F(MarkCommands, MarksOutsideTheViewAreNotCountedOrDeleted) {
    start([&](User& user) {
        user.doubleClickRow(BookListId, 0);  // Emma, unread
        user.chooseMenuItem(BooksReadCommand);
        user.clickRow(BookListId, 1);
        deleteBooksAnswering(user, Answer::Yes);
        EXPECT_EQ(lastBox().text, "Delete this record now?");
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "  Dune"}));
        EXPECT_EQ(field(user, 3), " 1 marked");
        user.chooseMenuItem(ListAllBooksCommand);
        EXPECT_EQ(titles(user)[0], "x Emma");
    });
}

TEST_F(MarkCommands, WithNothingToDeleteNothingIsAsked) {
    start([&](User& user) {
        user.ctrlClickRow(BookListId, 0);  // row 1 unselected again: no current row
        user.chooseMenuItem(DeleteBooksCommand);
        EXPECT_TRUE(ui.messageBoxes.shown.empty());

        // An empty view: a search that found nothing.
        then([&](User& find) {
            ui.messageBoxes.expect(Answer::Ok);  // "No matches found"
            find.typeKeys(AuthorBoxId, "Nobody");
            find.pressEnter();
            find.pressEscape();
        });
        user.click(FindButtonId);
        EXPECT_TRUE(rows(user).empty());
        user.chooseMenuItem(DeleteBooksCommand);
        EXPECT_EQ(ui.messageBoxes.shown.size(), 1u);
        EXPECT_FALSE(catalogue.books.changed);
    });
}

TEST_F(MarkCommands, UndeleteBringsBackRecordsOutsideTheViewAndLeavesChangedAlone) {
    start([&](User& user) {
        user.clickRow(BookListId, 0);
        deleteBooksAnswering(user, Answer::Yes);  // Emma, unread
        user.chooseMenuItem(BooksReadCommand);

        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(UndeleteCommand);
        EXPECT_EQ(lastBox().text, "Undelete all deleted records now?");
        EXPECT_EQ(lastBox().caption, "Delete Records");
        EXPECT_TRUE(enabled(user, UndeleteCommand));

        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(UndeleteCommand);
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "  The Name of the Rose", "  Dune"}));
        EXPECT_FALSE(enabled(user, UndeleteCommand));
        EXPECT_TRUE(catalogue.books.changed);  // as the delete left it
        user.chooseMenuItem(ListAllBooksCommand);
        EXPECT_EQ(titles(user), allFive);
    });
}

// List All Books shows deleted books again; the next save drops them, and
// the list follows at once.
TEST_F(MarkCommands, ListAllBooksAfterADeleteShowsDeletedBooksThatTheNextSaveDrops) {
    start([&](User& user) {
        user.selectRows(BookListId, {0, 4});
        deleteBooksAnswering(user, Answer::Yes);
        EXPECT_FALSE(enabled(user, ListAllBooksCommand));
        user.click(ListButtonId);
        EXPECT_EQ(titles(user), allFive);
        EXPECT_EQ(field(user, 4), " 2 of  5");  // Curtain, selected since the delete

        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "  The Name of the Rose", "  Dune"}));
        user.clickRow(BookListId, 2);
        EXPECT_EQ(catalogue.books.records[catalogue.view.currentRecord].title, "Dune");
    });
    EXPECT_EQ(booksInFile(shelf).size(), 3u);
}

}  // namespace
