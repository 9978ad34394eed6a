// User stories of the View menu, Find, and the record dialog's three ways in.
#include <gtest/gtest.h>

#include "core/letter_case.h"
#include "tests/mainwindow/program_harness.h"

namespace {

using platform::Answer;
using Strings = std::vector<std::string>;

// Rows Emma, Curtain, The Name of the Rose, Dune, The Hobbit (author order);
// Curtain (1990), Rose (1998) and Dune (2003) are read.
struct ViewCommands : ProgramHarness, ::testing::Test {
    ViewCommands() {
        addBook(catalogue, "Austen, Jane", "Emma");
        addBook(catalogue, "Christie, Agatha", "Curtain", "05-05-1990");
        addBook(catalogue, "Herbert, Frank", "Dune", "07-01-2003");
        addBook(catalogue, "Eco, Umberto", "The Name of the Rose", "03-14-1998");
        addBook(catalogue, "Tolkien, J.R.R.", "The Hobbit");
        catalogue.books.changed = false;
        catalogue.view.currentRecord = 0;
        rebuildView(catalogue);
    }

    // Sort, Books Read, Books Unread, List All Books.
    static std::vector<bool> viewItems(const User& user) {
        return {enabled(user, SortCommand), enabled(user, BooksReadCommand), enabled(user, BooksUnreadCommand),
                enabled(user, ListAllBooksCommand)};
    }
};

TEST_F(ViewCommands, TheViewsAndTheirMenuStates) {
    start([&](User& user) {
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, true, true, false}));
        user.chooseMenuItem(BooksReadCommand);
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "  The Name of the Rose", "  Dune"}));
        EXPECT_EQ(field(user, 2), "Books Read by Author");
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, false, true, true}));

        user.chooseMenuItem(SortCommand);
        EXPECT_EQ(menuItem(user, SortCommand).caption, "&Sort by Author");
        EXPECT_EQ(field(user, 2), "Books Read by Date");

        user.chooseMenuItem(BooksUnreadCommand);
        EXPECT_EQ(titles(user), (Strings{"  The Hobbit", "  Emma"}));  // still in date order: the newer first
        EXPECT_EQ(field(user, 2), "Books Unread");
        EXPECT_EQ(viewItems(user), (std::vector<bool>{false, true, false, true}));

        user.chooseMenuItem(ListAllBooksCommand);
        EXPECT_EQ(titles(user), (Strings{"  The Hobbit", "  Emma", "  Curtain", "  The Name of the Rose", "  Dune"}));
        EXPECT_EQ(field(user, 2), "View All by Date");
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, true, true, false}));
    });
    EXPECT_FALSE(catalogue.books.changed);
}

// The Sort button works where the menu item is greyed, and then does nothing.
TEST_F(ViewCommands, SortInTheBooksUnreadViewDoesNothing) {
    start([&](User& user) {
        user.chooseMenuItem(BooksUnreadCommand);
        EXPECT_THROW(user.chooseMenuItem(SortCommand), std::logic_error);
        user.click(SortButtonId);
        EXPECT_FALSE(catalogue.view.sortByDate);
        EXPECT_EQ(menuItem(user, SortCommand).caption, "&Sort By Date");
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  The Hobbit"}));
        EXPECT_EQ(user.state().focus, BookListId);
    });
}

// A search that found nothing leaves the menu's List All Books greyed; the
// toolbar's List lists every book all the same.
TEST_F(ViewCommands, AfterAFruitlessFindTheListButtonListsEveryBook) {
    start([&](User& user) {
        then([&](User& find) {
            ui.messageBoxes.expect(Answer::Ok);
            find.typeKeys(TitleBoxId, "Ulysses");
            find.pressEnter();
            find.click(CancelButtonId);
        });
        user.chooseMenuItem(FindBooksCommand);
        EXPECT_TRUE(rows(user).empty());
        EXPECT_EQ(field(user, 4), " 1 of  0");
        EXPECT_FALSE(enabled(user, ListAllBooksCommand));

        user.click(ListButtonId);
        EXPECT_EQ(rows(user).size(), 5u);
        EXPECT_EQ(field(user, 2), "View All by Author");
    });
}

// Case converts every author and title, names the next conversion with its
// mnemonic, and keeps the list scrolled where it was.
TEST_F(ViewCommands, CaseOnAScrolledListKeepsItsTopRow) {
    for (int book = 1; book <= 30; ++book) addBook(catalogue, "Writer " + std::to_string(100 + book), "Book");
    catalogue.books.changed = false;
    start([&](User& user) {
        user.clickRow(BookListId, 20);
        ui.setListTopRow(user.window, BookListId, 12);  // the user scrolls up a little
        user.click(CaseButtonId);
        EXPECT_EQ(user.control(BookListId).top, 12);
        EXPECT_EQ(rows(user)[20].substr(0, 12), " \tWRITER 116");
        EXPECT_EQ(selectedRows(user), (std::vector<int>{20}));
        EXPECT_EQ(menuItem(user, CaseCommand).caption, "Lower &Case");

        user.chooseMenuItem(CaseCommand);
        EXPECT_EQ(user.control(BookListId).top, 12);
        EXPECT_EQ(rows(user)[20].substr(0, 12), " \tWriter 116");
        EXPECT_EQ(menuItem(user, CaseCommand).caption, "Upper &Case");
    });
    EXPECT_FALSE(catalogue.books.changed);
}

TEST_F(ViewCommands, RecordDataAddBookAndEditBookOpenTheRecordDialogInTheirModes) {
    start([&](User& user) {
        user.clickRow(BookListId, 3);
        then([](User& dialog) {
            EXPECT_EQ(dialog.state().blueprint.caption, "View Record Data");
            EXPECT_EQ(dialog.text(TitleBoxId), "Dune");
            dialog.pressEscape();
        });
        user.chooseMenuItem(RecordDataCommand);
        then([](User& dialog) {
            EXPECT_EQ(dialog.state().blueprint.caption, "Add Record Data");
            EXPECT_EQ(dialog.text(TitleBoxId), "");
            dialog.pressEscape();
        });
        user.chooseMenuItem(AddBookCommand);
        then([](User& dialog) {
            EXPECT_EQ(dialog.state().blueprint.caption, "Edit Record Data");
            EXPECT_EQ(dialog.text(TitleBoxId), "Dune");
            dialog.pressEscape();
        });
        user.chooseMenuItem(EditBookCommand);
    });
    EXPECT_FALSE(catalogue.books.changed);
}

// A view that does not show the current book makes its first row current, so
// Edit and Delete act on the row the user sees selected.
TEST_F(ViewCommands, AfterAViewChangeTheCommandsActOnTheSelectedRow) {
    start([&](User& user) {
        user.clickRow(BookListId, 0);  // Emma, unread
        user.chooseMenuItem(BooksReadCommand);
        EXPECT_EQ(selectedRows(user), (std::vector<int>{0}));
        then([](User& dialog) {
            EXPECT_EQ(dialog.text(TitleBoxId), "Curtain");
            dialog.pressEscape();
        });
        user.click(EditButtonId);

        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(DeleteBooksCommand);
        EXPECT_EQ(titles(user), (Strings{"  The Name of the Rose", "  Dune"}));
        user.chooseMenuItem(ListAllBooksCommand);
        EXPECT_EQ(titles(user)[0], "  Emma");
    });
}

}  // namespace
