#include "mainwindow/mark_commands.h"

#include <algorithm>
#include <string>

#include "core/marks.h"
#include "core/ordering.h"
#include "mainwindow/book_list.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/yes_no_question.h"

namespace {

int markedRowsOfView(const Catalogue& catalogue) {
    int count = 0;
    for (int row = 1; row <= viewCount(catalogue.view); ++row)
        count += isMarked(catalogue.books, catalogue.view.order[row]);
    return count;
}

bool userSaysYes(MainWindow& main, const std::string& text) {
    return userSaysYes(main, text, "Delete Records", platform::Icon::Exclamation);
}

// Whether the current row is among the rows the user sees selected.
bool currentRowSelected(MainWindow& main) {
    const std::vector<int> selected = main.windows.selectedListRows(main.state.window, BookListId);
    return std::find(selected.begin(), selected.end(), main.catalogue.view.selectedRow - 1) != selected.end();
}

// Flags every marked record of the view deleted, hidden and unmarked; the row
// above the top-most of them (row 1 at the top) becomes current.
void deleteMarkedRowsOfView(Catalogue& catalogue) {
    int topDeletedRow = catalogue.view.selectedRow;
    for (int row = viewCount(catalogue.view); row >= 1; --row) {
        const int record = catalogue.view.order[row];
        if (!isMarked(catalogue.books, record)) continue;
        std::uint8_t& flags = catalogue.books.records[record].flags;
        setFlag(flags, DeletedFlag, true);
        setFlag(flags, ShownFlag, false);
        setMarked(catalogue.books, record, false);
        topDeletedRow = row;
    }
    catalogue.view.selectedRow = std::max(topDeletedRow - 1, 1);
    catalogue.view.currentRecord = catalogue.view.order[catalogue.view.selectedRow];
}

}  // namespace

void setMarkOfShownRecords(MainWindow& main, bool mark) {
    Catalogue& catalogue = main.catalogue;
    for (int row = 1; row <= viewCount(catalogue.view); ++row)
        setMarked(catalogue.books, catalogue.view.order[row], mark);
    refillBookListAfterwards(main);
}

bool deleteBooks(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    if (viewCount(catalogue.view) == 0) return false;
    const bool hasCurrentRow = currentRowSelected(main);
    markSelectedRows(main, 2);

    // The prompt counts the records this delete removes: marked records the
    // view does not show are neither counted nor deleted.
    const int markedRows = markedRowsOfView(catalogue);
    if (markedRows == 0 && !hasCurrentRow) return false;
    const std::string question = markedRows == 0
                                     ? "Delete this record now?"
                                     : std::to_string(markedRows) + " records marked ...\r\nDelete them all now?";
    if (!userSaysYes(main, question)) return false;

    if (markedRows == 0) setMarked(catalogue.books, catalogue.view.order[catalogue.view.selectedRow], true);
    deleteMarkedRowsOfView(catalogue);
    main.state.deletedPending = true;
    catalogue.books.changed = true;
    rebuildView(catalogue);
    return true;
}

bool undeleteBooks(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    if (!userSaysYes(main, "Undelete all deleted records now?")) return false;
    for (int record = 1; record <= recordCount(catalogue.books); ++record) {
        std::uint8_t& flags = catalogue.books.records[record].flags;
        if (testFlag(flags, DeletedFlag) == 0) continue;
        setFlag(flags, DeletedFlag, false);
        setFlag(flags, ShownFlag, true);
        catalogue.view.currentRecord = record;
    }
    main.state.deletedPending = false;
    rebuildView(catalogue);
    return true;
}
