#pragma once

#include <cstddef>
#include <string>

#include "core/catalogue.h"
#include "platform/window.h"

struct MainWindow;
struct MainWindowState;

// The book list's rows, read from the catalogue's view as it is when the list
// asks: the view of the last fill until a command rebuilds it and refills.
// List row r shows record view.order[r + 1]; a row past the view's end,
// possible only in between, is blank.
class BookListRows final : public platform::ListRows {
  public:
    BookListRows(const Catalogue& catalogue, const MainWindowState& state) : catalogue(catalogue), state(state) {}
    int count() const override;
    std::string text(int row) const override;

  private:
    const Catalogue& catalogue;
    const MainWindowState& state;  // its measure of the list's texts
};

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

// With at least `fewest` rows selected, toggles the mark of each, top to
// bottom; with fewer, nothing. Mark Selected acts on any selection; Delete
// Books and Print first turn a selection of two or more into marks.
void markSelectedRows(MainWindow& main, std::size_t fewest);
