#include <gtest/gtest.h>

#include "tests/dialogs/dialog_harness.h"

namespace {

using platform::Answer;
using platform::scripted::ScriptedUser;
using Rows = std::vector<std::string>;

struct FindDialogTest : DialogHarness, ::testing::Test {
    FindDialogTest() {
        catalogue.books.upperCase = true;
        addBook(catalogue, "SMITH", "RED HOUSE", "", 2);
        addBook(catalogue, "KEITH", "BLUE HOUSE", "", 1);
        addBook(catalogue, "GOLDSMITH", "GREEN FIELD", "", 2);
        addBook(catalogue, "JONES", "WHITE FIELD", "", 14);
        catalogue.view.currentRecord = 0;
        rebuildView(catalogue);  // GOLDSMITH, JONES, KEITH, SMITH
    }

    std::vector<std::string> listedRows() const {
        Rows rows;
        for (const std::string& row : mainControl(BookListId).rows)
            rows.push_back(row.substr(2, row.find('\t', 2) - 2));
        return rows;
    }

    int shownCount() const {
        int count = 0;
        for (int i = 1; i <= recordCount(catalogue.books); ++i)
            count += testFlag(catalogue.books.records[i].flags, ShownFlag) != 0;
        return count;
    }
};

TEST_F(FindDialogTest, TheDialogOpensEmptyWithEveryCategory) {
    press(FindButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(dialog.state().blueprint.caption, "Find Books");
        EXPECT_EQ(dialog.state().owner, state.window);
        const auto& categories = dialog.control(CategoryListId);
        ASSERT_EQ(categories.entries.size(), 15u);
        EXPECT_EQ(categories.entries.front() + "|" + categories.entries[1] + "|" + categories.entries.back(), "|Spy|");
        EXPECT_EQ(categories.selectedEntry, -1);
        EXPECT_TRUE(dialog.control(SearchButtonId).defaultLook);
        dialog.closeBox();
    });
    EXPECT_EQ(catalogue.view.mode, ViewMode::All);
}

TEST_F(FindDialogTest, BooksFoundBecomeTheViewWithTheFirstRowCurrent) {
    catalogue.view.selectedRow = 4;
    press(
        FindButtonId,
        [&](ScriptedUser& dialog) {
            dialog.typeKeys(AuthorBoxId, "  Smith ");
            dialog.pickEntry(CategoryListId, 2);  // Mystery
            dialog.pressEnter();                  // presses "&Find"
        },
        [&](ScriptedUser&) {
            EXPECT_EQ(listedRows(), (Rows{"GOLDSMITH", "SMITH"}));
            EXPECT_EQ(mainControl(BookListId).caret, 0);
            EXPECT_EQ(mainControl(statusLabelId(StatusField::View)).text, "Books Found by Author");
            EXPECT_TRUE(listAllBooksEnabled());
        });
    EXPECT_EQ(catalogue.view.mode, ViewMode::Found);
    EXPECT_EQ(catalogue.view.selectedRow, 1);
    EXPECT_EQ(authorOf(catalogue.books, catalogue.view.currentRecord), "GOLDSMITH");
}

TEST_F(FindDialogTest, CriteriaCombineAndTheEmptyLastCategoryIsACondition) {
    press(FindButtonId, [&](ScriptedUser& dialog) {
        dialog.typeKeys(AuthorBoxId, "ith");
        dialog.typeKeys(TitleBoxId, "house");
        dialog.click(SearchButtonId);
    });
    EXPECT_EQ(viewRows(catalogue), (Rows{"KEITH BLUE HOUSE", "SMITH RED HOUSE"}));

    press(FindButtonId, [&](ScriptedUser& dialog) {
        dialog.pickEntry(CategoryListId, 14);
        dialog.click(SearchButtonId);
    });
    EXPECT_EQ(viewRows(catalogue), (Rows{"JONES WHITE FIELD"}));
}

TEST_F(FindDialogTest, ASearchMatchingEveryBookLeavesListAllBooksDisabled) {
    press(
        FindButtonId,
        [&](ScriptedUser& dialog) {
            dialog.typeKeys(TitleBoxId, "E");
            dialog.pickEntry(CategoryListId, 0);  // the empty first entry sets no condition
            dialog.click(SearchButtonId);
        },
        [&](ScriptedUser&) { EXPECT_FALSE(listAllBooksEnabled()); });
    EXPECT_EQ(viewCount(catalogue.view), 4);
}

// Opened by itself, the dialog reports whether it found fewer books than there are.
TEST_F(FindDialogTest, TheOutcomeSaysWhetherTheSearchNarrowedTheView) {
    const auto searchTitles = [&](const std::string& typed) {
        ui.queueScript([typed](ScriptedUser& dialog) {
            dialog.typeKeys(TitleBoxId, typed);
            dialog.click(SearchButtonId);
        });
        return showFindDialog(catalogue, ui, ui, {}).narrowed;
    };
    EXPECT_TRUE(searchTitles("house"));
    EXPECT_FALSE(searchTitles("E"));
}

TEST_F(FindDialogTest, DeletedBooksAreFoundToo) {
    const int keith = catalogue.view.order[3];
    setFlag(catalogue.books.records[keith].flags, DeletedFlag, true);
    setFlag(catalogue.books.records[keith].flags, ShownFlag, false);
    rebuildView(catalogue);
    press(FindButtonId, [&](ScriptedUser& dialog) {
        dialog.typeKeys(AuthorBoxId, "keith");
        dialog.click(SearchButtonId);
    });
    EXPECT_EQ(viewRows(catalogue), (Rows{"KEITH BLUE HOUSE"}));
}

TEST_F(FindDialogTest, BlanksAreNoCriteriaAndFindThenDoesNothingVisible) {
    press(
        FindButtonId,
        [&](ScriptedUser& dialog) {
            dialog.typeKeys(AuthorBoxId, "   ");
            dialog.typeKeys(DispositionBoxId, " ");
            dialog.click(SearchButtonId);
            EXPECT_FALSE(dialog.state().ended);
            EXPECT_TRUE(ui.messageBoxes.shown.empty());
            dialog.pressEscape();
        },
        [&](ScriptedUser&) { EXPECT_EQ(listedRows().size(), 4u); });
    EXPECT_EQ(shownCount(), 4);
}

TEST_F(FindDialogTest, NoMatchSaysSoAndTheListIsEmptyAfterCancel) {
    press(
        FindButtonId,
        [&](ScriptedUser& dialog) {
            ui.messageBoxes.expect(Answer::Ok);
            dialog.typeKeys(AuthorBoxId, "nobody");
            dialog.click(SearchButtonId);
            ASSERT_EQ(ui.messageBoxes.shown.size(), 1u);
            const auto& message = ui.messageBoxes.shown[0];
            EXPECT_EQ(message.text + "|" + message.caption, "No matches found|None Found");
            EXPECT_EQ(message.icon, platform::Icon::Information);
            EXPECT_EQ(message.buttons, platform::Buttons::Ok);
            EXPECT_FALSE(dialog.state().ended);
            EXPECT_EQ(shownCount(), 0);

            dialog.replaceText(AuthorBoxId, "jones");  // other criteria, in the same dialog
            dialog.click(SearchButtonId);
        },
        [&](ScriptedUser&) { EXPECT_EQ(listedRows(), Rows{"JONES"}); });

    press(
        FindButtonId,
        [&](ScriptedUser& dialog) {
            ui.messageBoxes.expect(Answer::Ok);
            dialog.typeKeys(AuthorBoxId, "nobody");
            dialog.click(SearchButtonId);
            dialog.click(CancelButtonId);
        },
        [&](ScriptedUser&) { EXPECT_TRUE(listedRows().empty()); });
}

}  // namespace
