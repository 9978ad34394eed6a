// Commands as the main window receives them, through its own handler with
// every epilogue, and the list drawn afterwards: what the user waits for
// between the click and the new list on the screen. The record and find
// dialogs are stood in for by what their OK buttons do, without a window.
#include "bench/mainwindow/bench_window.h"

#include "bench/support/bench_catalogue.h"
#include "core/ordering.h"
#include "dialogs/find_search.h"
#include "dialogs/record_store.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"

namespace {

void press(BenchWindow& bench, int command) {
    bench.main.windows.setListRowSelected(bench.main.state.window, BookListId, bench.main.catalogue.selectedRow - 1, true);
    handleMainWindowMessage(bench.main, bench.main.state.window, {platform::MessageKind::Command, command});
}

void pressAndDraw(BenchWindow& bench, int command) {
    press(bench, command);
    drawList(bench);
}

void untimed(BenchWindow& bench, const std::function<void()>& step) {
    bench.state.PauseTiming();
    step();
    bench.state.ResumeTiming();
}

// Exactly `count` records marked, spread evenly over the view.
void markSpreadOverTheView(BenchWindow& bench, int count) {
    Catalogue& catalogue = bench.main.catalogue;
    for (int record = 1; record <= recordCount(catalogue); ++record) setFlag(catalogue.records[record].flags, marked, false);
    for (int n = 0; n < count; ++n)
        setFlag(catalogue.records[catalogue.viewOrder[1 + n * viewCount(catalogue) / count]].flags, marked, true);
    catalogue.markedCount = count;
    bench.main.state.listStale = true;
}

void deleteHundredMarked(BenchWindow& bench) {
    markSpreadOverTheView(bench, 100);
    bench.messages.expect(platform::Answer::Yes);
    press(bench, DeleteBooksCommand);
}

void undeleteAll(BenchWindow& bench) {
    bench.messages.expect(platform::Answer::Yes);
    press(bench, UndeleteCommand);
}

// What the find dialog's Find does for an author typed in.
void findSmith(MainWindow& main) {
    main.catalogue.viewMode = BooksFound;
    runFind(main.catalogue, makeFindCriteria("smith", "", "", -1));
    rebuildView(main.catalogue);
}

// What the record dialog's Add does for a book typed in.
void addOneBook(MainWindow& main) {
    const RecordFields typed{"Middleton, Anne", "A new book of the year", "06-15-2001", "Kept on the shelf", 2, 3};
    storeRecord(main.catalogue, typed, main.clock.currentYear(), main.messages);
}

}  // namespace

void registerCommandBenchmarks() {
    registerInMainWindow("command/Case_toCapitals", [](BenchWindow& bench) {
        if (bench.main.catalogue.upperCase) untimed(bench, [&] { press(bench, CaseCommand); });
        pressAndDraw(bench, CaseCommand);
    });
    registerInMainWindow("command/Case_toProperCase", [](BenchWindow& bench) {
        if (!bench.main.catalogue.upperCase) untimed(bench, [&] { press(bench, CaseCommand); });
        pressAndDraw(bench, CaseCommand);
    });
    registerInMainWindow("command/Sort", [](BenchWindow& bench) { pressAndDraw(bench, SortCommand); });
    registerInMainWindow("command/BooksRead", [](BenchWindow& bench) {
        untimed(bench, [&] { press(bench, ListAllBooksCommand); });
        pressAndDraw(bench, BooksReadCommand);
    });
    registerInMainWindow("command/BooksUnread", [](BenchWindow& bench) {
        untimed(bench, [&] { press(bench, ListAllBooksCommand); });
        pressAndDraw(bench, BooksUnreadCommand);
    });
    registerInMainWindow("command/ListAllBooks", [](BenchWindow& bench) {
        untimed(bench, [&] { press(bench, BooksReadCommand); });
        pressAndDraw(bench, ListAllBooksCommand);
    });
    registerInMainWindow("command/MarkAllShown", [](BenchWindow& bench) {
        untimed(bench, [&] { press(bench, UnmarkAllShownCommand); });
        pressAndDraw(bench, MarkAllShownCommand);
    });
    registerInMainWindow("command/UnmarkAllShown", [](BenchWindow& bench) {
        untimed(bench, [&] { press(bench, MarkAllShownCommand); });
        pressAndDraw(bench, UnmarkAllShownCommand);
    });
    registerInMainWindow("command/MarkOneRow_doubleClick", [](BenchWindow& bench) {
        handleMainWindowMessage(bench.main, bench.main.state.window, {platform::MessageKind::ListDoubleClick, BookListId});
        drawList(bench);
    });
    registerInMainWindow("command/Delete_100marked", [](BenchWindow& bench) {
        untimed(bench, [&] { markSpreadOverTheView(bench, 100); });
        bench.messages.expect(platform::Answer::Yes);
        pressAndDraw(bench, DeleteBooksCommand);
        untimed(bench, [&] { undeleteAll(bench); });
    });
    registerInMainWindow("command/Undelete_100deleted", [](BenchWindow& bench) {
        untimed(bench, [&] { deleteHundredMarked(bench); });
        undeleteAll(bench);
        drawList(bench);
    });
    registerInMainWindow("command/Find_author", [](BenchWindow& bench) {
        bench.main.dialogs.showFind = findSmith;
        untimed(bench, [&] { press(bench, ListAllBooksCommand); });
        pressAndDraw(bench, FindButtonId);
    });
    // Each book added is dropped again, untimed.
    registerInMainWindow("command/Add", [](BenchWindow& bench) {
        bench.main.dialogs.showRecord = [](MainWindow& main, RecordDialogMode) { addOneBook(main); };
        untimed(bench, [&] { makeRoomForOneBook(bench.main.catalogue); });
        pressAndDraw(bench, AddButtonId);
        untimed(bench, [&] { dropBook(bench.main.catalogue, bench.main.catalogue.currentRecord); });
    });
}
