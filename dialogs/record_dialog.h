#pragma once

#include "core/catalogue.h"
#include "mainwindow/main_window.h"
#include "platform/window.h"
#include "platform/window_spec.h"

// The record dialog as it is built in a mode: its caption and the captions of
// its first two buttons follow the mode; in view mode the boxes are read-only
// and two borderless boxes show the category and review names over their lists.
platform::WindowSpec recordDialogBlueprint(RecordDialogMode mode);

// Shows the record dialog modally over the main window and returns when it has
// closed. View steps through the view; Add and Edit store what was typed as a
// new record (Edit keeps the old version as a deleted record). What it did is
// left in the catalogue (the records, selectedRow, currentRecord) and a book
// list to refill.
void showRecordDialog(MainWindow& main, RecordDialogMode mode);

// Puts record catalogue.currentRecord into the open dialog; record 0 empties
// it. In view mode the category and review show as names, else as the
// selected list entries.
void fillRecordDialog(const Catalogue& catalogue, platform::Windows& windows, platform::WindowHandle dialog,
                      RecordDialogMode mode);
