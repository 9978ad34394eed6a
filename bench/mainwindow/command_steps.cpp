// The main window's commands as its own handler runs them, with every
// epilogue, and the list drawn afterwards: what the user waits for between
// the click and the new list on the screen. The commands that open the record
// and find dialogs are run as their steps: what the dialog's OK button does,
// without a window, then what the main window does with its outcome and the
// list's refill.
#include "bench/mainwindow/command_steps.h"

#include "bench/support/catalogue_steps.h"
#include "core/marks.h"
#include "core/ordering.h"
#include "dialogs/find_search.h"
#include "dialogs/record_store.h"
#include "mainwindow/book_list.h"
#include "mainwindow/dialog_commands.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"

namespace {

void press(CommandBench& bench, int command) {
    bench.main.windows.setListRowSelected(bench.main.state.window, BookListId,
                                          bench.main.catalogue.view.selectedRow - 1, true);
    handleMainWindowMessage(bench.main, bench.main.state.window, {platform::MessageKind::Command, command});
}

void pressAndDraw(CommandBench& bench, int command) {
    press(bench, command);
    bench.drawList();
}

void untimed(CommandBench& bench, const std::function<void()>& step) { bench.untimed(step); }

// Exactly `count` records marked, spread evenly over the view.
void markSpreadOverTheView(CommandBench& bench, int count) {
    Catalogue& catalogue = bench.main.catalogue;
    for (int record = 1; record <= recordCount(catalogue.books); ++record) setMarked(catalogue.books, record, false);
    for (int n = 0; n < count; ++n)
        setMarked(catalogue.books, catalogue.view.order[1 + n * viewCount(catalogue.view) / count], true);
    bench.main.state.listStale = true;
}

void deleteHundredMarked(CommandBench& bench) {
    markSpreadOverTheView(bench, 100);
    bench.messages.expect(platform::Answer::Yes);
    press(bench, DeleteBooksCommand);
}

void undeleteAll(CommandBench& bench) {
    bench.messages.expect(platform::Answer::Yes);
    press(bench, UndeleteCommand);
}

// What the find dialog's Find does for an author typed in.
FindDialogOutcome findAuthor(Catalogue& catalogue, const char* author) {
    catalogue.view.mode = ViewMode::Found;
    runFind(catalogue.books, makeFindCriteria(author, "", "", -1));
    rebuildView(catalogue);
    catalogue.view.selectedRow = 1;
    catalogue.view.currentRecord = catalogue.view.order[1];
    return {viewCount(catalogue.view) < recordCount(catalogue.books)};
}

// What the record dialog's Add does for a book typed in.
RecordDialogOutcome addOneBook(MainWindow& main) {
    const RecordFields typed{"Middleton, Anne", "A new book of the year", "06-15-2001", "Kept on the shelf", 2, 3};
    storeRecord(main.catalogue, typed, main.clock.currentYear(), main.messages);
    return {true};
}

}  // namespace

const std::vector<CommandStep>& commandSteps() {
    static const std::vector<CommandStep> steps = {
        {"command/Case_toCapitals",
         [](CommandBench& bench) {
             if (bench.main.catalogue.books.upperCase) untimed(bench, [&] { press(bench, CaseCommand); });
             pressAndDraw(bench, CaseCommand);
         }},
        {"command/Case_toProperCase",
         [](CommandBench& bench) {
             if (!bench.main.catalogue.books.upperCase) untimed(bench, [&] { press(bench, CaseCommand); });
             pressAndDraw(bench, CaseCommand);
         }},
        {"command/Sort", [](CommandBench& bench) { pressAndDraw(bench, SortCommand); }},
        {"command/BooksRead",
         [](CommandBench& bench) {
             untimed(bench, [&] { press(bench, ListAllBooksCommand); });
             pressAndDraw(bench, BooksReadCommand);
         }},
        {"command/BooksUnread",
         [](CommandBench& bench) {
             untimed(bench, [&] { press(bench, ListAllBooksCommand); });
             pressAndDraw(bench, BooksUnreadCommand);
         }},
        {"command/ListAllBooks",
         [](CommandBench& bench) {
             untimed(bench, [&] { press(bench, BooksReadCommand); });
             pressAndDraw(bench, ListAllBooksCommand);
         }},
        {"command/MarkAllShown",
         [](CommandBench& bench) {
             untimed(bench, [&] { press(bench, UnmarkAllShownCommand); });
             pressAndDraw(bench, MarkAllShownCommand);
         }},
        {"command/UnmarkAllShown",
         [](CommandBench& bench) {
             untimed(bench, [&] { press(bench, MarkAllShownCommand); });
             pressAndDraw(bench, UnmarkAllShownCommand);
         }},
        {"command/MarkOneRow_doubleClick",
         [](CommandBench& bench) {
             handleMainWindowMessage(bench.main, bench.main.state.window,
                                     {platform::MessageKind::ListDoubleClick, BookListId});
             bench.drawList();
         }},
        {"command/Delete_100marked",
         [](CommandBench& bench) {
             untimed(bench, [&] { markSpreadOverTheView(bench, 100); });
             bench.messages.expect(platform::Answer::Yes);
             pressAndDraw(bench, DeleteBooksCommand);
             untimed(bench, [&] { undeleteAll(bench); });
         }},
        {"command/Undelete_100deleted",
         [](CommandBench& bench) {
             untimed(bench, [&] { deleteHundredMarked(bench); });
             undeleteAll(bench);
             bench.drawList();
         }},
        {"command/Find_author",
         [](CommandBench& bench) {
             untimed(bench, [&] { press(bench, ListAllBooksCommand); });
             takeFindDialogOutcome(bench.main, findAuthor(bench.main.catalogue, bench.authorToFind));
             fillBookList(bench.main);
             bench.drawList();
         }},
        // Each book added is dropped again, untimed.
        {"command/Add",
         [](CommandBench& bench) {
             untimed(bench, [&] { makeRoomForOneBook(bench.main.catalogue); });
             takeRecordDialogOutcome(bench.main, addOneBook(bench.main));
             fillBookList(bench.main);
             bench.drawList();
             untimed(bench, [&] { dropBook(bench.main.catalogue, bench.main.catalogue.view.currentRecord); });
         }},
    };
    return steps;
}
