#include "mainwindow/dialog_commands.h"

#include "mainwindow/book_list.h"
#include "mainwindow/main_window.h"
#include "mainwindow/menus.h"
#include "mainwindow/status_line.h"
#include "printing/print_dialog.h"

void openRecordDialog(MainWindow& main, RecordDialogMode mode) {
    const RecordDialogContext context{main.catalogue, main.windows,      main.messages,
                                      main.clock,     main.state.window, [&main] { showCurrentPosition(main); }};
    takeRecordDialogOutcome(main, showRecordDialog(context, mode));
}

void openFindDialog(MainWindow& main) {
    takeFindDialogOutcome(main, showFindDialog(main.catalogue, main.windows, main.messages, main.state.window));
}

// A multiple selection becomes marks first, so that the dialog offers to
// print what the user selected.
void openPrintDialog(MainWindow& main) {
    markSelectedRows(main, 2);
    showPrintDialog(main.catalogue, main.windows, main.messages, defaultPrinter(main.state.printer), main.state.window);
}

void takeRecordDialogOutcome(MainWindow& main, const RecordDialogOutcome& outcome) {
    if (outcome.refillList) refillBookListAfterwards(main);
}

void takeFindDialogOutcome(MainWindow& main, const FindDialogOutcome& outcome) {
    refillBookListAfterwards(main);
    if (outcome.narrowed) offerListAllBooks(main);
}
