#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/grapheme_clusters.h"
#include "core/marks.h"
#include "mainwindow/book_list.h"
#include "mainwindow/list_line.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/startup.h"
#include "mainwindow/status_line.h"
#include "platform/testing/fixed_width_measure.h"
#include "tests/mainwindow/main_window_harness.h"

namespace {

using platform::scripted::ScriptedUser;

std::string field(const ScriptedUser& user, int number) {
    return user.text(statusLabelId(static_cast<StatusField>(number)));
}
const std::vector<std::string>& rows(const ScriptedUser& user) { return user.control(BookListId).rows; }

struct BookList : MainWindowHarness, ::testing::Test {
    BookList() {
        addBook(catalogue, "Eco, Umberto", "The Name of the Rose", "03-14-1998", 2, 8);
        addBook(catalogue, "Austen, Jane", "Emma");
        addBook(catalogue, "Herbert, Frank", "Dune", "07-01-2003", 11, 9);
        // As a freshly loaded catalogue: nothing current, nothing changed.
        catalogue.view.currentRecord = 0;
        catalogue.books.changed = false;
        rebuildView(catalogue);
    }

    void mark(int record) { setMarked(catalogue.books, record, true); }
};

TEST_F(BookList, RowsShowTheMarkAndTheListTextAtTheTabStops) {
    mark(2);  // Eco
    state.startDirectory = platform::SystemPath::fromSystem("/home/ann");
    file.path = platform::SystemPath::fromSystem("/home/ann/books.pmr");
    run([](ScriptedUser& user) {
        EXPECT_EQ(rows(user), (std::vector<std::string>{" \tAusten, Jane\tEmma",
                                                        "x\tEco, Umberto\tThe Name of the Rose\t03-14-1998",
                                                        " \tHerbert, Frank\tDune\t07-01-2003"}));
        EXPECT_EQ(user.control(BookListId).tabStops, (std::vector<int>{10, 120, 320}));
        EXPECT_EQ(user.control(BookListId).selected, (std::vector<bool>{true, false, false}));
        EXPECT_EQ(user.state().focus, BookListId);
        EXPECT_EQ(field(user, 1), "books.pmr");
        EXPECT_EQ(field(user, 3), " 1 marked");
        EXPECT_EQ(field(user, 4), " 1 of  3");
    });
}

TEST_F(BookList, ChoosingARowMakesItTheCurrentRecord) {
    run([&](ScriptedUser& user) {
        user.clickRow(BookListId, 2);
        EXPECT_EQ(catalogue.view.selectedRow, 3);
        EXPECT_EQ(authorOf(catalogue.books, catalogue.view.currentRecord), "Herbert, Frank");
        EXPECT_EQ(field(user, 4), " 3 of  3");
    });
}

TEST_F(BookList, ADoubleClickTogglesTheMarkAndKeepsTheRowSelected) {
    run([&](ScriptedUser& user) {
        user.doubleClickRow(BookListId, 1);
        EXPECT_EQ(rows(user)[1], "x\tEco, Umberto\tThe Name of the Rose\t03-14-1998");
        EXPECT_EQ(field(user, 3), " 1 marked");
        EXPECT_EQ(user.ui.selectedListRows(user.window, BookListId), std::vector<int>{1});
        EXPECT_EQ(user.ui.listCaretRow(user.window, BookListId), 1);
        EXPECT_TRUE(user.control(BookListId).redraw);

        user.doubleClickRow(BookListId, 1);
        EXPECT_EQ(rows(user)[1].substr(0, 2), " \t");
        EXPECT_EQ(field(user, 3), "");
        EXPECT_EQ(field(user, 4), " 2 of  3");
    });
    EXPECT_EQ(catalogue.books.markedCount, 0);
    EXPECT_FALSE(catalogue.books.changed);
}

TEST_F(BookList, TogglingAMarkKeepsTheWholeRowText) {
    addBook(catalogue, "Garcia Marquez, Gabriel", "One Hundred Years of Solitude", "05-05-1990");
    run([&](ScriptedUser& user) {
        const std::string whole = rows(user)[2];
        ASSERT_GT(whole.size(), 49u);
        toggleRowMark(main, 3);
        EXPECT_EQ(rows(user)[2], "x" + whole.substr(1));
        EXPECT_FALSE(bookListStale(main));
    });
}

TEST_F(BookList, MarkSelectedRowsWithTwoAsTheFewestNeedsTwoOrMoreSelectedRows) {
    mark(3);  // Herbert
    run([&](ScriptedUser& user) {
        user.clickRow(BookListId, 0);
        markSelectedRows(main, 2);
        EXPECT_EQ(catalogue.books.markedCount, 1);

        user.selectRows(BookListId, {0, 2});
        markSelectedRows(main, 2);
        EXPECT_EQ(rows(user)[0].substr(0, 1), "x");
        EXPECT_EQ(rows(user)[1].substr(0, 1), " ");
        EXPECT_EQ(rows(user)[2].substr(0, 1), " ");  // it was marked already
        EXPECT_EQ(field(user, 3), " 1 marked");
    });
    EXPECT_EQ(catalogue.books.markedCount, 1);
    EXPECT_NE(testFlag(catalogue.books.records[1].flags, MarkedFlag), 0);  // Austen
}

TEST_F(BookList, ToggleRowMarkIgnoresRowsOutsideTheView) {
    run([&](ScriptedUser& user) {
        toggleRowMark(main, 0);
        toggleRowMark(main, 4);
        EXPECT_EQ(rows(user).size(), 3u);
    });
    EXPECT_EQ(catalogue.books.markedCount, 0);
}

TEST_F(BookList, RecordsHiddenSinceTheViewWasBuiltLeaveTheList) {
    catalogue.view.selectedRow = 3;
    run([&](ScriptedUser& user) {
        // A search that matched nothing clears every shown flag without rebuilding the view.
        for (int record = 1; record <= recordCount(catalogue.books); ++record)
            setFlag(catalogue.books.records[record].flags, ShownFlag, false);
        fillBookList(main);
        EXPECT_TRUE(rows(user).empty());
        EXPECT_EQ(viewCount(catalogue.view), 0);
        EXPECT_EQ(field(user, 4), " 1 of  0");
    });
}

TEST_F(BookList, SetStatusBeforeTheWindowExistsDoesNothing) {
    setStatus(main, StatusField::File, "Opening file...");
    EXPECT_TRUE(ui.windows.empty());
    run([&](ScriptedUser& user) {
        setStatus(main, StatusField::File, "Opening file...");
        EXPECT_EQ(field(user, 1), "Status: Opening file...");
        setStatus(main, StatusField::Position, "ignored");
        EXPECT_EQ(field(user, 4), " 1 of  3");
        // Storage's progress goes to field 1, which shows the file again after it.
        const StorageDialogue dialogue = storageDialogueOf(main);
        dialogue.showProgress("Saving file...");
        EXPECT_EQ(field(user, 1), "Status: Saving file...");
        dialogue.showProgress("");
        EXPECT_EQ(field(user, 1), "");
    });
}

TEST_F(BookList, TheQuitButtonClosesTheWindow) {
    ui.queueScript([](ScriptedUser& user) {
        user.pressEnter();
        user.pressEscape();
        user.click(QuitButtonId);
    });
    runMainWindow(main);
    EXPECT_FALSE(state.window);
}

TEST(ListLine, CutsAuthorAndTitleToTheirWidths) {
    const platform::scripted::FixedWidthMeasure measure(10);  // 20 characters of author, 38 of title
    Catalogue c;
    c.books.upperCase = true;
    const std::string author(30, 'A');
    const std::string title(50, 'T');
    addBook(c, author, title, "12-25-2005");
    addBook(c, "SHORT", "UNREAD");
    EXPECT_EQ(listTextOf(c.books, &measure, 1), std::string(20, 'A') + "\t" + std::string(38, 'T') + "\t12-25-2005");
    EXPECT_EQ(listTextOf(c.books, &measure, 2), "SHORT\tUNREAD");
    EXPECT_EQ(c.books.records[1].title, title);  // the stored title stays whole
}

// Texts of many scripts, cut by a measure that ends anywhere between two
// code points: the line's cut ends on the last boundary of characters as the
// user sees them (a letter with its accents, an emoji sequence, a flag, a
// Hangul syllable of parts) that the measure leaves room for.
TEST(ListLine, CutsEndOnACharacterAsTheUserSeesIt) {
    static const std::vector<std::string> pieces = {"a",
                                                    "Z",
                                                    " ",
                                                    "\u00E9",
                                                    "e\u0301",
                                                    "o\u0308\u0323",
                                                    "\u0416",
                                                    "\u03BB",
                                                    "\u05E9\u05BC",
                                                    "\u0627\u0644",
                                                    "\u65E5",
                                                    "\u1100\u1161\u11A8",
                                                    "\U0001F600",
                                                    "\U0001F44D\U0001F3FD",
                                                    "\U0001F469\u200D\U0001F4BB",
                                                    "\U0001F1EB\U0001F1F7",
                                                    "\u0915\u094D\u0937",
                                                    "\r\n"};
    std::minstd_rand random(255);
    for (int round = 0; round < 300; ++round) {
        std::string typed;
        for (int count = 1 + static_cast<int>(random() % 60); count > 0; --count)
            typed += pieces[random() % pieces.size()];
        const platform::scripted::FixedWidthMeasure measure(1 + static_cast<int>(random() % 9));
        Catalogue c;
        addBook(c, typed, "T");
        const std::string& text = authorOf(c.books, 1);  // in the catalogue's letter case
        const std::string line = listTextOf(c.books, &measure, 1);
        const std::size_t cut = line.find('\t');
        const std::size_t room = measure.fittingPrefix(text, AuthorListWidth);
        ASSERT_EQ(line.substr(0, cut), text.substr(0, cut)) << text;
        std::size_t boundary = 0;
        while (boundary < cut) boundary = nextClusterBoundary(text, boundary);
        ASSERT_EQ(boundary, cut) << "cut inside a character: " << text;
        ASSERT_TRUE(cut == text.size() || nextClusterBoundary(text, cut) > room) << "cut too short: " << text;
    }
}

}  // namespace
