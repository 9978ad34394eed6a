#include "mainwindow/view_commands.h"

#include "core/letter_case.h"
#include "core/ordering.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"

void listAllBooks(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    applyViewMenuState(main, ViewMenuState::AllBooks);
    if (viewCount(catalogue.view) >= recordCount(catalogue.books)) return;
    for (int record = 1; record <= recordCount(catalogue.books); ++record)
        setFlag(catalogue.books.records[record].flags, ShownFlag, true);
    catalogue.view.mode = ViewMode::All;
    rebuildView(catalogue);
}

int switchLetterCase(MainWindow& main) {
    const int topRow = main.windows.listTopRow(main.state.window, BookListId);
    toggleLetterCase(main.catalogue.books);
    setCaseCaption(main, CaseCaptionForm::WithMnemonic);
    rebuildView(main.catalogue);
    return topRow;
}

bool switchSortOrder(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    if (catalogue.view.mode == ViewMode::Unread) return false;
    catalogue.view.sortByDate = !catalogue.view.sortByDate;
    setSortCaption(main);
    rebuildView(catalogue);
    return true;
}

void showReadOrUnreadBooks(MainWindow& main, ViewMode mode) {
    applyViewMenuState(main, mode == ViewMode::Read ? ViewMenuState::BooksRead : ViewMenuState::BooksUnread);
    main.catalogue.view.mode = mode;
    rebuildView(main.catalogue);
}
