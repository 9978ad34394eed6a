#pragma once

struct MainWindow;

// Refills the book list from the view: one row for each shown record of the
// view, in view order. Updates the view caption, the marked count and the
// position in the status line and gives the list the focus.
void fillBookList(MainWindow& main);

// Whether the list must be refilled: the view was rebuilt since the last
// refill, or something asked for one.
bool bookListStale(const MainWindow& main);

// Has the list refilled at the end of the command, though the view may be the
// same: for changes of marks or of the shown flags that no rebuild follows.
void refillBookListAfterwards(MainWindow& main);

// Inverts the mark of the record in book-list row `row` (1-based), puts the
// row back with its new mark, and updates the marked count. Other rows keep
// their selection; the row itself comes back unselected.
void toggleRowMark(MainWindow& main, int row);

// With two or more rows selected, toggles the mark of each, top to bottom;
// with fewer, nothing.
void markSelectedRows(MainWindow& main);
