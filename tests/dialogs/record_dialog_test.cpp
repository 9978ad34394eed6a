#include <gtest/gtest.h>

#include "mainwindow/book_list.h"

#include <tuple>

#include "tests/dialogs/dialog_harness.h"

namespace {

using platform::Answer;
using platform::scripted::ScriptedUser;
using Rows = std::vector<std::string>;

struct RecordDialogTest : DialogHarness, ::testing::Test {
    RecordDialogTest() {
        addBook(catalogue, "Smithers", "Ashes", "03-14-1998", 2, 8);  // Mystery, Excellent
        addBook(catalogue, "Smithson", "Bells", "", 14, 10);          // the empty last entries
        addBook(catalogue, "Adams", "Cats", "07-01-2003", 12, 6);     // Detective, Good
        addBook(catalogue, "Zola", "Dunes");
        catalogue.view.currentRecord = 0;
        catalogue.books.changed = false;
        rebuildView(catalogue);  // Adams, Smithers, Smithson, Zola
    }

    int recordOf(const std::string& author) const {
        for (int i = 1; i <= recordCount(catalogue.books); ++i)
            if (authorOf(catalogue.books, i) == author && !testFlag(catalogue.books.records[i].flags, DeletedFlag))
                return i;
        return 0;
    }

    std::string position() const { return mainControl(statusLabelId(StatusField::Position)).text; }
};

// Fields as the user reads them: the four boxes, then the selected entries.
std::vector<std::string> fields(const ScriptedUser& dialog) {
    return {dialog.text(AuthorBoxId),
            dialog.text(TitleBoxId),
            dialog.text(DateReadBoxId),
            dialog.text(DispositionBoxId),
            std::to_string(dialog.control(CategoryListId).selectedEntry),
            std::to_string(dialog.control(ReviewListId).selectedEntry)};
}

std::string selectedText(const ScriptedUser& dialog, int id) {
    const auto& box = dialog.control(id);
    return box.text.substr(box.selectionStart, box.selectionEnd - box.selectionStart);
}

TEST(RecordDialogBlueprint, ModesDifferInCaptionsButtonsAndWhatCanBeTyped) {
    const platform::WindowSpec view = recordDialogBlueprint(RecordDialogMode::View);
    const platform::WindowSpec add = recordDialogBlueprint(RecordDialogMode::Add);
    const platform::WindowSpec edit = recordDialogBlueprint(RecordDialogMode::Edit);
    const auto ids = [](const platform::WindowSpec& blueprint) {
        std::vector<int> found;
        for (const auto& control : blueprint.controls) found.push_back(control.id);
        return found;
    };
    const auto find = [](const platform::WindowSpec& blueprint, int id) {
        for (const auto& control : blueprint.controls)
            if (control.id == id) return control;
        return platform::ControlSpec{};
    };
    EXPECT_EQ(ids(view), (std::vector<int>{-1, -1, -1, 1001, 1002, 1003, -1, -1, -1, -1, 1004, 1005, 1006, 1007, 1008,
                                           -1, 1009, 1010, 2}));
    EXPECT_EQ(ids(add),
              (std::vector<int>{-1, -1, -1, 1001, 1002, 1003, -1, -1, -1, -1, 1004, 1005, 1006, -1, 1009, 1010, 2}));
    EXPECT_EQ(view.caption + "|" + find(view, 1009).caption + "|" + find(view, 1010).caption,
              "View Record Data|&Prev|&Next");
    EXPECT_EQ(add.caption + "|" + find(add, 1009).caption + "|" + find(add, 1010).caption,
              "Add Record Data|&Add|C&lear");
    EXPECT_EQ(edit.caption + "|" + find(edit, 1009).caption + "|" + find(edit, 1010).caption,
              "Edit Record Data|&Replace|&Original");

    namespace style = platform::style;
    EXPECT_EQ(find(view, 1009).style, style::None);
    EXPECT_EQ(find(edit, 1009).style, style::DefaultButton | style::NoTabStop);
    for (int id : {1001, 1002, 1003, 1006}) {
        EXPECT_EQ(find(view, id).style, style::NoHorizontalScroll | style::ReadOnly) << id;
        EXPECT_EQ(find(add, id).style, style::NoHorizontalScroll) << id;
        EXPECT_EQ(find(add, id).maxLength, 255) << id;
    }
    EXPECT_EQ(find(view, 1007).style, style::ReadOnly | style::Borderless);
    EXPECT_EQ(std::tuple(view.width, view.height, view.offsetX, view.offsetY), std::tuple(280, 250, 50, -5));
    EXPECT_EQ(view.placement, platform::Placement::FromOwnerClientArea);
}

TEST_F(RecordDialogTest, ViewStepsThroughTheViewAndNeverWraps) {
    press(
        DataButtonId,
        [&](ScriptedUser& dialog) {
            EXPECT_EQ(dialog.state().owner, state.window);
            EXPECT_EQ(dialog.state().blueprint.caption, "View Record Data");
            EXPECT_EQ(fields(dialog), (Rows{"Adams", "Cats", "07-01-2003", "", "-1", "-1"}));
            EXPECT_EQ(dialog.text(CategoryNameBoxId), "Detective");
            EXPECT_EQ(dialog.text(ReviewNameBoxId), "Good");
            EXPECT_FALSE(dialog.control(CategoryListId).enabled);
            EXPECT_FALSE(dialog.control(ReviewListId).enabled);
            EXPECT_FALSE(dialog.control(FirstButtonId).enabled);
            EXPECT_TRUE(dialog.control(SecondButtonId).enabled);

            dialog.click(SecondButtonId);
            dialog.click(SecondButtonId);
            // An undated record after a dated one: no date left over; the empty last entries show no name.
            EXPECT_EQ(fields(dialog), (Rows{"Smithson", "Bells", "", "", "-1", "-1"}));
            EXPECT_EQ(dialog.text(CategoryNameBoxId), "");
            EXPECT_EQ(dialog.text(ReviewNameBoxId), "");
            EXPECT_EQ(position(), " 3 of  4");
            EXPECT_TRUE(dialog.control(FirstButtonId).enabled);

            dialog.click(SecondButtonId);
            EXPECT_EQ(dialog.text(AuthorBoxId), "Zola");
            EXPECT_FALSE(dialog.control(SecondButtonId).enabled);
            EXPECT_EQ(position(), " 4 of  4");
            dialog.pressEnter();  // no default button in view mode: nothing happens
            EXPECT_EQ(dialog.text(AuthorBoxId), "Zola");

            dialog.click(FirstButtonId);
            EXPECT_EQ(dialog.text(AuthorBoxId), "Smithson");
            EXPECT_TRUE(dialog.control(SecondButtonId).enabled);
            dialog.closeBox();
        },
        [&](ScriptedUser& window) {
            // The close box asks for no refill; the row last viewed is selected.
            EXPECT_EQ(catalogue.view.selectedRow, 3);
            EXPECT_EQ(catalogue.view.currentRecord, recordOf("Smithson"));
            EXPECT_EQ(window.ui.listCaretRow(window.window, BookListId), 2);
            EXPECT_EQ(window.state().focus, BookListId);
        });
    EXPECT_FALSE(catalogue.books.changed);
}

// Opened by itself, the dialog tells its owner of each step through the view,
// and asks for a refill when "&Cancel" closes it but not the close box.
TEST_F(RecordDialogTest, ViewReportsEachStepAndOnlyCancelAsksForARefill) {
    int steps = 0;
    const RecordDialogContext context{catalogue, ui, ui, clock, {}, [&] { ++steps; }};
    ui.queueScript([](ScriptedUser& dialog) {
        dialog.click(SecondButtonId);
        dialog.click(SecondButtonId);
        dialog.click(FirstButtonId);
        dialog.closeBox();
    });
    EXPECT_FALSE(showRecordDialog(context, RecordDialogMode::View).refillList);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(catalogue.view.selectedRow, 2);
    ui.queueScript([](ScriptedUser& dialog) { dialog.click(CancelButtonId); });
    EXPECT_TRUE(showRecordDialog(context, RecordDialogMode::View).refillList);
}

TEST_F(RecordDialogTest, CodesBeyondTheTablesShowNoName) {
    catalogue.books.records[recordOf("Adams")].category = 200;
    catalogue.books.records[recordOf("Adams")].review = 11;
    press(DataButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(dialog.text(CategoryNameBoxId), "");
        EXPECT_EQ(dialog.text(ReviewNameBoxId), "");
        dialog.pressEscape();
    });
}

TEST_F(RecordDialogTest, AViewOfOneRecordOffersNoSteps) {
    for (int i = 1; i <= recordCount(catalogue.books); ++i)
        setFlag(catalogue.books.records[i].flags, ShownFlag, i == recordOf("Zola"));
    rebuildView(catalogue);
    press(DataButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(dialog.text(AuthorBoxId), "Zola");
        EXPECT_FALSE(dialog.control(FirstButtonId).enabled);
        EXPECT_FALSE(dialog.control(SecondButtonId).enabled);
        dialog.click(CancelButtonId);
    });
}

TEST_F(RecordDialogTest, AnEmptyViewOpensEmptyAndEditThenAddsABook) {
    for (int i = 1; i <= recordCount(catalogue.books); ++i) setFlag(catalogue.books.records[i].flags, ShownFlag, false);
    rebuildView(catalogue);
    press(DataButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(fields(dialog), (Rows{"", "", "", "", "-1", "-1"}));
        EXPECT_FALSE(dialog.control(FirstButtonId).enabled);
        EXPECT_FALSE(dialog.control(SecondButtonId).enabled);
        dialog.click(CancelButtonId);
    });
    EXPECT_EQ(catalogue.view.currentRecord, 0);

    press(EditButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(fields(dialog), (Rows{"", "", "", "", "-1", "-1"}));
        dialog.typeKeys(AuthorBoxId, "Eco");
        dialog.typeKeys(TitleBoxId, "Baudolino");
        dialog.click(FirstButtonId);
    });
    EXPECT_EQ(recordCount(catalogue.books), 5);
    for (int i = 1; i <= recordCount(catalogue.books); ++i)
        EXPECT_FALSE(testFlag(catalogue.books.records[i].flags, DeletedFlag));
}

TEST_F(RecordDialogTest, TheAuthorBoxProposesAuthorsAsTheUserTypes) {
    press(AddButtonId, [&](ScriptedUser& dialog) {
        dialog.typeKeys(AuthorBoxId, "SMI");
        EXPECT_EQ(dialog.text(AuthorBoxId), "SMIthers");
        dialog.backspace(AuthorBoxId);  // deleting the proposed rest proposes the next match
        EXPECT_EQ(dialog.text(AuthorBoxId), "SMIthson");
        dialog.replaceText(AuthorBoxId, "");

        dialog.typeKeys(AuthorBoxId, "Sm");
        EXPECT_EQ(dialog.text(AuthorBoxId), "Sm");
        dialog.typeKeys(AuthorBoxId, "i");
        EXPECT_EQ(dialog.text(AuthorBoxId), "Smithers");
        EXPECT_EQ(selectedText(dialog, AuthorBoxId), "thers");
        dialog.typeKeys(AuthorBoxId, "t");  // replaces the proposed rest
        EXPECT_EQ(dialog.text(AuthorBoxId), "Smithson");
        EXPECT_EQ(selectedText(dialog, AuthorBoxId), "hson");
        dialog.backspace(AuthorBoxId);  // nothing after Smithson begins with "Smit"
        EXPECT_EQ(dialog.text(AuthorBoxId), "Smit");
        dialog.backspace(AuthorBoxId);  // so the search starts again from the first author
        EXPECT_EQ(dialog.text(AuthorBoxId), "Smithers");

        dialog.replaceText(AuthorBoxId, "zol");  // the last author, the only match
        EXPECT_EQ(dialog.text(AuthorBoxId), "zola");
        dialog.replaceText(AuthorBoxId, "ADAMS");  // equal names are never proposed
        EXPECT_EQ(dialog.text(AuthorBoxId), "ADAMS");
        dialog.replaceText(AuthorBoxId, "ola");  // inside a name, not at its start
        EXPECT_EQ(dialog.text(AuthorBoxId), "ola");
        dialog.click(CancelButtonId);
    });
}

TEST_F(RecordDialogTest, ClearEmptiesEveryFieldAndCancelKeepsTheCurrentRow) {
    press(
        AddButtonId,
        [&](ScriptedUser& dialog) {
            EXPECT_EQ(catalogue.view.currentRecord, 0);
            EXPECT_TRUE(dialog.control(FirstButtonId).defaultLook);
            dialog.typeKeys(AuthorBoxId, "Eco");
            dialog.typeKeys(TitleBoxId, "Baudolino");
            dialog.typeKeys(DateReadBoxId, "1/2/2003");
            dialog.typeKeys(DispositionBoxId, "Kept");
            dialog.pickEntry(CategoryListId, 13);
            dialog.pickEntry(ReviewListId, 0);
            dialog.click(SecondButtonId);
            EXPECT_EQ(fields(dialog), (Rows{"", "", "", "", "-1", "-1"}));
            EXPECT_EQ(dialog.state().focus, AuthorBoxId);
            EXPECT_TRUE(dialog.control(FirstButtonId).defaultLook);
            EXPECT_FALSE(dialog.control(SecondButtonId).defaultLook);
            dialog.typeKeys(AuthorBoxId, "Eco");
            dialog.click(CancelButtonId);
        },
        [&](ScriptedUser&) {
            EXPECT_EQ(catalogue.view.currentRecord, catalogue.view.order[1]);  // Adams, the current row
            EXPECT_FALSE(bookListStale(main));                                 // Cancel had the list refilled
        });
    EXPECT_EQ(recordCount(catalogue.books), 4);
    EXPECT_FALSE(catalogue.books.changed);
}

TEST_F(RecordDialogTest, OriginalPutsBackTheRecordBeingEdited) {
    press(EditButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(fields(dialog), (Rows{"Adams", "Cats", "07-01-2003", "", "11", "5"}));
        dialog.replaceText(DateReadBoxId, "");
        dialog.replaceText(TitleBoxId, "Dogs");
        dialog.pickEntry(CategoryListId, 0);
        dialog.click(SecondButtonId);
        EXPECT_EQ(fields(dialog), (Rows{"Adams", "Cats", "07-01-2003", "", "11", "5"}));
        dialog.click(CancelButtonId);
    });
    catalogue.view.selectedRow = 3;  // Smithson: no date, the empty last entries
    press(EditButtonId, [&](ScriptedUser& dialog) {
        EXPECT_EQ(fields(dialog), (Rows{"Smithson", "Bells", "", "", "13", "9"}));
        dialog.typeKeys(DateReadBoxId, "5/6/2007");
        dialog.click(SecondButtonId);
        EXPECT_EQ(dialog.text(DateReadBoxId), "");
        dialog.click(CancelButtonId);
    });
    EXPECT_FALSE(catalogue.books.changed);
}

TEST_F(RecordDialogTest, AddStoresTheBookAndTheListSelectsIt) {
    press(
        AddButtonId,
        [&](ScriptedUser& dialog) {
            dialog.typeKeys(AuthorBoxId, "Bronte");
            dialog.typeKeys(TitleBoxId, "Jane Eyre");
            dialog.typeKeys(DateReadBoxId, "2/3/04");
            dialog.pickEntry(CategoryListId, 4);  // Romance
            dialog.pressEnter();                  // presses "&Add"
        },
        [&](ScriptedUser& window) {
            EXPECT_EQ(window.control(BookListId).rows.size(), 5u);
            EXPECT_EQ(window.ui.listCaretRow(window.window, BookListId), 1);
            EXPECT_EQ(position(), " 2 of  5");
        });
    const int added = recordOf("Bronte");
    ASSERT_NE(added, 0);
    EXPECT_EQ(formatReadDate(readDateOf(catalogue.books, added)), "02-03-2004");
    EXPECT_EQ(catalogue.books.records[added].category, 5);
    EXPECT_EQ(catalogue.books.records[added].review, 0);
    EXPECT_TRUE(catalogue.books.changed);
}

TEST_F(RecordDialogTest, RefusedInputKeepsTheDialogOpenAndTheCatalogueAsItWas) {
    press(AddButtonId, [&](ScriptedUser& dialog) {
        ui.messageBoxes.expect(Answer::Ok);
        dialog.typeKeys(AuthorBoxId, "Eco");
        dialog.click(FirstButtonId);
        EXPECT_EQ(ui.messageBoxes.shown.back().text, "Must specify author and title");
        EXPECT_EQ(dialog.state().focus, AuthorBoxId);

        ui.messageBoxes.expect(Answer::Ok);
        dialog.typeKeys(TitleBoxId, "Baudolino");
        dialog.typeKeys(DateReadBoxId, "2/30/2001");
        dialog.click(FirstButtonId);
        EXPECT_EQ(ui.messageBoxes.shown.back().text, "Illegal date");
        EXPECT_EQ(dialog.state().focus, DateReadBoxId);
        EXPECT_EQ(dialog.text(DateReadBoxId), "2/30/2001");
        EXPECT_EQ(recordCount(catalogue.books), 4);
        EXPECT_FALSE(catalogue.books.changed);
        dialog.click(CancelButtonId);
    });

    const int adams = recordOf("Adams");
    press(EditButtonId, [&](ScriptedUser& dialog) {
        ui.messageBoxes.expect(Answer::Ok);
        dialog.replaceText(TitleBoxId, "");
        dialog.click(FirstButtonId);
        dialog.click(CancelButtonId);
    });
    EXPECT_EQ(catalogue.books.records[adams].flags, 0x02);
    EXPECT_EQ(catalogue.books.records[adams].title, "Cats");
    EXPECT_EQ(recordCount(catalogue.books), 4);
}

TEST_F(RecordDialogTest, ReplaceWithoutChangesKeepsTheOldVersionForUndelete) {
    press(EditButtonId, [&](ScriptedUser& dialog) { dialog.click(FirstButtonId); });
    EXPECT_EQ(recordCount(catalogue.books), 5);
    EXPECT_EQ(viewRows(catalogue), (Rows{"Adams Cats", "Smithers Ashes", "Smithson Bells", "Zola Dunes"}));
    EXPECT_EQ(authorOf(catalogue.books, catalogue.view.currentRecord), "Adams");

    // The Undelete command: every deleted record back in the view.
    for (int i = 1; i <= recordCount(catalogue.books); ++i) {
        if (!testFlag(catalogue.books.records[i].flags, DeletedFlag)) continue;
        setFlag(catalogue.books.records[i].flags, DeletedFlag, false);
        setFlag(catalogue.books.records[i].flags, ShownFlag, true);
    }
    rebuildView(catalogue);
    EXPECT_EQ(viewRows(catalogue),
              (Rows{"Adams Cats", "Adams Cats", "Smithers Ashes", "Smithson Bells", "Zola Dunes"}));
}

}  // namespace
