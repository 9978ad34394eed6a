#pragma once

#include "dialogs/find_dialog.h"
#include "dialogs/record_dialog.h"

struct MainWindow;

// The commands that open the record, find and print dialogs over the main
// window, each followed by what the main window does with what the dialog
// changed. The menu or toolbar epilogue brings the list up to date after them.
void openRecordDialog(MainWindow& main, RecordDialogMode mode);
void openFindDialog(MainWindow& main);
void openPrintDialog(MainWindow& main);

// What the main window does once the record dialog has closed.
void takeRecordDialogOutcome(MainWindow& main, const RecordDialogOutcome& outcome);

// What the main window does once the find dialog has closed: the list is
// refilled whatever the dialog did, since a search that found nothing has
// hidden every record without rebuilding the view; a view the search narrowed
// gets List All Books enabled.
void takeFindDialogOutcome(MainWindow& main, const FindDialogOutcome& outcome);
