#include "mainwindow/book_list.h"

#include "core/marks.h"
#include "core/ordering.h"
#include "mainwindow/list_line.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/status_line.h"

namespace {

// A row: the mark column, then the record's list text with its own tabs.
std::string rowText(const BookTables& books, const MainWindowState& state, int record) {
    return (isMarked(books, record) ? "x\t" : " \t") + listTextOf(books, state.listMeasure, record);
}

}  // namespace

int BookListRows::count() const { return viewCount(catalogue.view); }

std::string BookListRows::text(int listRow) const {
    const int row = listRow + 1;
    return row <= viewCount(catalogue.view) ? rowText(catalogue.books, state, catalogue.view.order[row])
                                            : std::string();
}

void fillBookList(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    const platform::WindowHandle window = main.state.window;
    main.windows.setListTabStops(window, BookListId, {AuthorTabStop, TitleTabStop, DateTabStop});
    main.windows.setListRedraw(window, BookListId, false);
    dropHiddenRows(catalogue);
    main.windows.setListRows(window, BookListId, main.bookListRows);

    main.windows.setListRedraw(window, BookListId, true);
    main.windows.setFocus(window, BookListId);
    setStatus(main, StatusField::View, viewCaptionOf(catalogue.view));
    setStatus(main, StatusField::Marks, markedCountText(catalogue.books.markedCount));
    setStatus(main, StatusField::Position, "");
    main.state.listStale = false;
    main.state.listViewVersion = catalogue.view.version;
}

bool bookListStale(const MainWindow& main) {
    return main.state.listStale || main.state.listViewVersion != main.catalogue.view.version;
}

void refillBookListAfterwards(MainWindow& main) { main.state.listStale = true; }

void toggleRowMark(MainWindow& main, int row) {
    Catalogue& catalogue = main.catalogue;
    if (row < 1 || row > viewCount(catalogue.view)) return;
    const platform::WindowHandle window = main.state.window;
    const int record = catalogue.view.order[row];
    toggleMarked(catalogue.books, record);
    // The row is put back unselected, as a row taken out and put in anew.
    // Its text is replaced in place: rows inserted or removed make a toolkit
    // renumber what a screen reader has read of every row below.
    main.windows.setListRowText(window, BookListId, row - 1, rowText(catalogue.books, main.state, record));
    main.windows.setListRowSelected(window, BookListId, row - 1, false);
    setStatus(main, StatusField::Marks, markedCountText(catalogue.books.markedCount));
}

void markSelectedRows(MainWindow& main, std::size_t fewest) {
    const std::vector<int> selected = main.windows.selectedListRows(main.state.window, BookListId);
    if (selected.size() < fewest) return;
    for (int listRow : selected) toggleRowMark(main, listRow + 1);
}
