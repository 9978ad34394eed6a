// The print dialog opened by the Print command over the main window.
#include <gtest/gtest.h>

#include "core/marks.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "platform/testing/recording_print_surface.h"
#include "printing/print_books.h"
#include "printing/print_dialog.h"
#include "printing/print_text.h"
#include "tests/mainwindow/main_window_harness.h"

namespace {

using platform::Answer;
using platform::ControlKind;
using platform::scripted::ScriptedUser;
using RecordingPrinter = platform::scripted::RecordingPrintSurface;
namespace style = platform::style;

// Four books, none marked: rows Emma, Curtain, Dune, The Hobbit.
struct PrintDialogTest : MainWindowHarness, ::testing::Test {
    // What the printer was asked to do, kept beyond the main window (the
    // printer goes with it).
    std::vector<std::string> calls;
    std::vector<platform::scripted::RecordingPrintSurface::Page> pages;

    PrintDialogTest() {
        addBook(catalogue, "Austen, Jane", "Emma");
        addBook(catalogue, "Christie, Agatha", "Curtain", "05-05-1990");
        addBook(catalogue, "Herbert, Frank", "Dune", "07-01-2003");
        addBook(catalogue, "Tolkien, J.R.R.", "The Hobbit");
        catalogue.books.changed = false;
        catalogue.view.currentRecord = 0;
        rebuildView(catalogue);
    }

    // The user does `before` in the main window, presses Print, drives the
    // dialog with `dialog`, then looks at the main window with `after`.
    void print(const std::function<void(ScriptedUser&)>& before, const std::function<void(ScriptedUser&)>& dialog,
               const std::function<void(ScriptedUser&)>& after = {}, bool withPrinter = true) {
        auto surface = std::make_unique<RecordingPrinter>();
        const RecordingPrinter* printer = surface.get();
        if (withPrinter)
            state.printer.open = [&surface]() -> std::unique_ptr<platform::PrintSurface> { return std::move(surface); };
        run([&](ScriptedUser& user) {
            before(user);
            ui.queueScript(dialog);
            user.click(PrintButtonId);
            if (after) after(user);
            calls = printer->calls;  // none without the printer
            pages = printer->pages;
        });
    }

    // The titles the printer drew, page by page: the texts of column B
    // without their two leading blanks (the empty dispositions of Book Data
    // leave the blanks alone).
    std::vector<std::string> printedTitles() const {
        std::vector<std::string> titles;
        for (const auto& page : pages)
            for (const auto& text : page)
                if (text.x == ColumnB && text.text.size() > 2) titles.push_back(text.text.substr(2));
        return titles;
    }

    // The texts of one page, in the order drawn.
    std::vector<std::string> pageTexts(int page) const {
        std::vector<std::string> texts;
        for (const auto& text : pages.at(page)) texts.push_back(text.text);
        return texts;
    }

    static std::string marks(const ScriptedUser& user) {
        std::string shown;
        for (const std::string& row : user.control(BookListId).rows) shown += row[0];
        return shown;
    }

    static std::vector<int> checked(const ScriptedUser& dialog) {
        std::vector<int> ids;
        for (int id : {MarkedOnlyId, AllListedId, NormalFontId, SmallFontId, BookListLayoutId, BookDataLayoutId})
            if (dialog.control(id).checked) ids.push_back(id);
        return ids;
    }
};

TEST(PrintDialogBlueprint, ThreePairsOfRadioButtonsAndTwoButtons) {
    const platform::WindowSpec blueprint = printDialogBlueprint();
    EXPECT_EQ(blueprint.caption, "Print Book List");
    EXPECT_EQ(std::tie(blueprint.width, blueprint.height), std::make_tuple(170, 190));
    EXPECT_EQ(blueprint.placement, platform::Placement::FromOwnerClientArea);
    EXPECT_EQ(std::tie(blueprint.offsetX, blueprint.offsetY), std::make_tuple(50, -5));
    EXPECT_FALSE(blueprint.minimiseBox);

    struct Row {
        ControlKind kind;
        std::string caption;
        int id, x, y, width, height;
        unsigned style;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> rows;
    for (const auto& control : blueprint.controls)
        rows.push_back({control.kind, control.caption, control.id, control.x, control.y, control.width, control.height,
                        control.style});
    constexpr unsigned first = style::GroupStart;
    constexpr unsigned next = style::None;
    const std::vector<Row> expected = {
        {ControlKind::GroupBox, "What to print", -1, 5, 10, 150, 50, 0},
        {ControlKind::RadioButton, "marked records only", 1201, 10, 25, 120, 10, first},
        {ControlKind::RadioButton, "All listed records", 1202, 10, 40, 120, 10, next},
        {ControlKind::GroupBox, "How to print", -1, 5, 75, 70, 50, 0},
        {ControlKind::RadioButton, "Normal font", 1203, 10, 90, 60, 10, first},
        {ControlKind::RadioButton, "Small font", 1204, 10, 105, 60, 10, next},
        {ControlKind::GroupBox, "How much", -1, 85, 75, 70, 50, 0},
        {ControlKind::RadioButton, "Book List", 1205, 90, 90, 60, 10, first},
        {ControlKind::RadioButton, "Book Data", 1206, 90, 105, 60, 10, next},
        {ControlKind::PushButton, "&Print", 1207, 20, 135, 50, 25, style::DefaultButton | style::NoTabStop},
        {ControlKind::PushButton, "&Cancel", 2, 90, 135, 50, 25, 0},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(PrintDialogTest, WithNothingMarkedEveryListedBookIsPrintedAsABookList) {
    print([](ScriptedUser& user) { user.clickRow(BookListId, 1); },
          [&](ScriptedUser& dialog) {
              EXPECT_EQ(dialog.state().owner, state.window);
              EXPECT_EQ(checked(dialog), (std::vector<int>{AllListedId, NormalFontId, BookListLayoutId}));
              EXPECT_TRUE(dialog.control(PrintNowButtonId).defaultLook);
              dialog.pressEnter();  // "&Print"
          });
    EXPECT_EQ(printedTitles(), (std::vector<std::string>{"Emma", "Curtain", "Dune", "The Hobbit"}));
    EXPECT_EQ(pageTexts(0).front(), "List of Books");
    EXPECT_EQ(pages[0].front().characterHeight, makePrintFont(RecordingPrinter(), NormalSizeValue).characterHeight);
}

// Three selected rows become marks when the dialog opens; the marked records
// are printed and lose their marks, and the list shows that at once.
TEST_F(PrintDialogTest, ThreeSelectedRowsAreMarkedAndPrintedAsTheMarkedRecords) {
    print(
        [](ScriptedUser& user) {
            user.selectRows(BookListId, {0, 2, 3});
        },
        [&](ScriptedUser& dialog) {
            EXPECT_EQ(marks(ScriptedUser{ui, state.window}), "x xx");
            EXPECT_EQ(ui.control(state.window, statusLabelId(StatusField::Marks)).text, " 3 marked");
            EXPECT_EQ(checked(dialog), (std::vector<int>{MarkedOnlyId, NormalFontId, BookListLayoutId}));
            dialog.click(SmallFontId);
            dialog.click(BookDataLayoutId);
            dialog.click(PrintNowButtonId);
        },
        [&](ScriptedUser& user) {
            EXPECT_EQ(marks(user), "    ");
            EXPECT_EQ(user.text(statusLabelId(StatusField::Marks)), "");
        });
    EXPECT_EQ(printedTitles(), (std::vector<std::string>{"Emma", "Dune", "The Hobbit"}));
    EXPECT_EQ(pageTexts(0).front(), "Book Data");
    EXPECT_EQ(pages[0].front().characterHeight, makePrintFont(RecordingPrinter(), SmallSizeValue).characterHeight);
    EXPECT_EQ(catalogue.books.markedCount, 0);
}

// Cancel, Escape and the close box print nothing; the marks the opening
// toggled stay, the one already marked among them now unmarked.
TEST_F(PrintDialogTest, ClosingWithoutPrintingKeepsTheToggledMarks) {
    for (const auto& close : std::vector<std::function<void(ScriptedUser&)>>{
             [](ScriptedUser& dialog) { dialog.click(PrintCancelButtonId); },
             [](ScriptedUser& dialog) { dialog.pressEscape(); }, [](ScriptedUser& dialog) { dialog.closeBox(); }}) {
        print(
            [](ScriptedUser& user) {
                user.doubleClickRow(BookListId, 1);  // Curtain marked
                user.selectRows(BookListId, {0, 1});
            },
            close, [](ScriptedUser& user) { EXPECT_EQ(marks(user), "x   "); });
        EXPECT_TRUE(calls.empty());
        // The next run starts from the marks this one left.
        setMarked(catalogue.books, catalogue.view.order[1], false);
    }
}

// A user may choose "marked records only" with nothing marked: a page without records.
TEST_F(PrintDialogTest, MarkedOnlyWithNothingMarkedPrintsAnEmptyList) {
    print([](ScriptedUser&) {},
          [](ScriptedUser& dialog) {
              dialog.click(MarkedOnlyId);
              dialog.click(PrintNowButtonId);
          });
    EXPECT_EQ(pages.size(), 1u);
    EXPECT_TRUE(printedTitles().empty());
}

// Without a printer the error is told while the dialog is open, and it closes.
TEST_F(PrintDialogTest, WithoutAPrinterTheErrorIsToldAndTheDialogCloses) {
    ui.messageBoxes.expect(Answer::Ok);
    print([](ScriptedUser&) {}, [](ScriptedUser& dialog) { dialog.click(PrintNowButtonId); }, {}, false);
    ASSERT_EQ(ui.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(ui.history, (std::vector<std::string>{"window: Quorvels - Lectorium", "window: Print Book List",
                                                    "message box: " + ui.messageBoxes.shown[0].caption}));
}

}  // namespace
