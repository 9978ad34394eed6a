// The reading statistics dialog in the whole program: what it shows of a
// catalogue counted by hand, its ways out, and that it leaves the catalogue,
// the view and the list as they were in every view and order.
#include <gtest/gtest.h>

#include "core/marks.h"
#include "statistics/statistics_dialog.h"
#include "tests/mainwindow/program_harness.h"
#include "tests/support/catalogue_difference.h"

namespace {

using Strings = std::vector<std::string>;
using platform::ChartBar;

// Six books, one of them deleted: read in 2001 (two), 2003 and 2004 (the
// deleted one); one marked.
struct StatisticsDialog : ProgramHarness, ::testing::Test {
    StatisticsDialog() {
        addBook(catalogue, "Austen, Jane", "Emma", "", 4, 0);
        addBook(catalogue, "Christie, Agatha", "Curtain", "05-05-2001", 2, 7);
        addBook(catalogue, "Christie, Agatha", "Nemesis", "06-01-2001", 2, 8);
        addBook(catalogue, "Herbert, Frank", "Dune", "07-01-2003", 10, 8);
        addBook(catalogue, "Tolkien, J.R.R.", "The Hobbit", "", 10, 0);
        addBook(catalogue, "Verne, Jules", "Around the Moon", "01-01-2004", 6, 6);
        for (int record = 1; record <= recordCount(catalogue.books); ++record) {
            BookRecord& book = catalogue.books.records[record];
            if (book.title == "Around the Moon") setFlag(book.flags, DeletedFlag, true);
            if (book.title == "Dune") setMarked(catalogue.books, record, true);
        }
        catalogue.books.changed = false;
        rebuildView(catalogue);
    }

    // Opens the dialog from the View menu; `look` reads it, `close` ends it.
    void openStatistics(User& user, const std::function<void(User&)>& look, const std::function<void(User&)>& close) {
        then([look, close](User& dialog) {
            look(dialog);
            close(dialog);
        });
        user.chooseMenuItem(ReadingStatisticsCommand);
    }
};

TEST_F(StatisticsDialog, ShowsTheFiguresOfTheCatalogue) {
    start([&](User& user) {
        openStatistics(
            user,
            [&](User& dialog) {
                EXPECT_EQ(dialog.state().blueprint.caption, "Reading Statistics");
                EXPECT_EQ(dialog.state().owner, user.window);
                EXPECT_EQ(dialog.control(YearChartId).bars,
                          (std::vector<ChartBar>{{"2001", 2}, {"2002", 0}, {"2003", 1}}));
                EXPECT_EQ(dialog.text(HeldLabelId), "5 books held: 3 read, 2 unread, 1 marked.");
                EXPECT_EQ(dialog.text(BusiestLabelId), "Most books read in one year: 2 books in 2001.");
                // Mystery and Western tie at two: vocabulary order.
                EXPECT_EQ(dialog.control(CategoryCountsId).rows, (Strings{"Mystery\t2", "Western\t2", "Romance\t1"}));
                EXPECT_EQ(dialog.control(ReviewCountsId).rows, (Strings{"(none)\t2", "Excellent\t2", "Very good\t1"}));
            },
            [](User& dialog) { dialog.click(CloseButtonId); });
    });
    EXPECT_EQ(ui.history, (Strings{"window: Quorvels - Lectorium", "window: Reading Statistics"}));
}

// In every view and order, whichever way the dialog is closed, the
// catalogue, the view, the list and its selection stay as they were.
TEST_F(StatisticsDialog, ChangesNothingInAnyViewOrOrder) {
    const std::vector<std::function<void(User&)>> closings = {
        [](User& dialog) { dialog.click(CloseButtonId); }, [](User& dialog) { dialog.pressEscape(); },
        [](User& dialog) { dialog.pressEnter(); }, [](User& dialog) { dialog.closeBox(); }};
    std::size_t opened = 0;
    start([&](User& user) {
        then([](User& find) {
            find.typeKeys(AuthorBoxId, "Christie");
            find.pressEnter();
        });
        user.chooseMenuItem(FindBooksCommand);
        for (int view : {FindBooksCommand, ListAllBooksCommand, BooksReadCommand, BooksUnreadCommand}) {
            if (view != FindBooksCommand) user.chooseMenuItem(view);
            for (int order = 0; order < 2; ++order) {
                if (order == 1 && view != BooksUnreadCommand) user.chooseMenuItem(SortCommand);
                user.clickRow(BookListId, static_cast<int>(rows(user).size()) - 1);
                const Catalogue before = catalogue;
                const Strings rowsBefore = rows(user);
                const Strings fieldsBefore = fields(user);
                const std::vector<int> selectedBefore = selectedRows(user);
                SCOPED_TRACE(fieldsBefore[1]);
                openStatistics(
                    user,
                    [](User& dialog) {
                        EXPECT_EQ(dialog.text(HeldLabelId), "5 books held: 3 read, 2 unread, 1 marked.");
                    },
                    closings[opened++ % closings.size()]);
                EXPECT_EQ(firstDifference(catalogue, before), "");
                EXPECT_EQ(catalogue.view.version, before.view.version);
                EXPECT_EQ(catalogue.books.changed, before.books.changed);
                EXPECT_EQ(rows(user), rowsBefore);
                EXPECT_EQ(fields(user), fieldsBefore);
                EXPECT_EQ(selectedRows(user), selectedBefore);
            }
        }
    });
    EXPECT_EQ(opened, 8u);
}

// The blueprint: every control inside the client area, none over another,
// the chart at the top over the whole width, Close the default button.
TEST(StatisticsDialogBlueprint, ControlsFitWithoutOverlapping) {
    const platform::WindowSpec blueprint = statisticsDialogBlueprint();
    const auto& controls = blueprint.controls;
    for (std::size_t at = 0; at < controls.size(); ++at) {
        const platform::ControlSpec& a = controls[at];
        SCOPED_TRACE(a.caption + " " + std::to_string(a.id));
        EXPECT_GE(a.x, 0);
        EXPECT_GE(a.y, 0);
        EXPECT_LE(a.x + a.width, blueprint.width);
        EXPECT_LE(a.y + a.height, blueprint.height);
        for (std::size_t other = at + 1; other < controls.size(); ++other) {
            const platform::ControlSpec& b = controls[other];
            const bool apart =
                a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << "overlaps " << b.caption << " " << b.id;
        }
    }
    const auto chart = std::find_if(controls.begin(), controls.end(), [](const platform::ControlSpec& c) {
        return c.kind == platform::ControlKind::BarChart;
    });
    ASSERT_NE(chart, controls.end());
    EXPECT_GE(chart->width, blueprint.width - 10);
    const auto close = std::find_if(controls.begin(), controls.end(),
                                    [](const platform::ControlSpec& c) { return c.id == CloseButtonId; });
    ASSERT_NE(close, controls.end());
    EXPECT_EQ(close->caption, "&Close");
    EXPECT_NE(close->style & platform::style::DefaultButton, 0u);
}

}  // namespace
