#include "mainwindow/menus.h"

#include <array>
#include <string>

using platform::MenuItemSpec;
using platform::menuSeparator;

namespace {

MenuItemSpec item(const char* caption, int command, bool enabled = true) { return {caption, command, enabled}; }

// Which of the four view-dependent items are enabled in each view.
struct ViewMenuRow {
    bool sort, booksRead, booksUnread, listAllBooks;
};

constexpr std::array<ViewMenuRow, 3> viewMenuRows = {{
    {true, true, true, false},   // AllBooks
    {true, false, true, true},   // BooksRead
    {false, true, false, true},  // BooksUnread
}};

void setItemEnabled(MainWindow& main, int command, bool enabled) {
    main.windows.setMenuItemEnabled(main.state.window, command, enabled);
}

void setItemCaption(MainWindow& main, int command, const std::string& caption) {
    main.windows.setMenuItemCaption(main.state.window, command, caption);
}

}  // namespace

std::vector<platform::MenuSpec> mainMenuBar() {
    return {
        {"&File",
         {item("&Open", OpenCommand), item("&Save", SaveCommand), item("Save&As", SaveAsCommand),
          item("&Import Books...", ImportBooksCommand), item("Ex&port Books...", ExportBooksCommand), menuSeparator(),
          item("P&rint", PrintCommand), menuSeparator(), item("E&xit", ExitCommand)}},
        {"&Edit",
         {item("Mark &Selected", MarkSelectedCommand), item("&Mark All Shown", MarkAllShownCommand),
          item("&Unmark All Shown", UnmarkAllShownCommand, false), menuSeparator(), item("&Add Book", AddBookCommand),
          item("&Edit Book", EditBookCommand), menuSeparator(), item("&Delete Books", DeleteBooksCommand),
          item("&Undelete", UndeleteCommand, false), menuSeparator(), item("&Find Books", FindBooksCommand)}},
        {"&View",
         {item("Lower &Case", CaseCommand), item("&Sort By Date", SortCommand), item("Record &Data", RecordDataCommand),
          item("Books &Read", BooksReadCommand), item("Books &Unread", BooksUnreadCommand),
          item("&List All Books", ListAllBooksCommand, false), item("Reading S&tatistics", ReadingStatisticsCommand)}},
        {"&Help", {item("&Help", HelpCommand), item("&About", AboutCommand)}},
    };
}

void updateMenuStates(MainWindow& main) {
    setItemEnabled(main, UnmarkAllShownCommand, main.catalogue.books.markedCount != 0);
    setItemEnabled(main, UndeleteCommand, main.state.deletedPending);
}

void applyViewMenuState(MainWindow& main, ViewMenuState view) {
    const ViewMenuRow& row = viewMenuRows[static_cast<std::size_t>(view)];
    setItemEnabled(main, SortCommand, row.sort);
    setItemEnabled(main, BooksReadCommand, row.booksRead);
    setItemEnabled(main, BooksUnreadCommand, row.booksUnread);
    setItemEnabled(main, ListAllBooksCommand, row.listAllBooks);
}

void offerListAllBooks(MainWindow& main) { setItemEnabled(main, ListAllBooksCommand, true); }

void setCaseCaption(MainWindow& main, CaseCaptionForm form) {
    const std::string next = main.catalogue.books.upperCase ? "Lower" : "Upper";
    setItemCaption(main, CaseCommand, next + (form == CaseCaptionForm::WithMnemonic ? " &Case" : " Case"));
}

void setSortCaption(MainWindow& main) {
    setItemCaption(main, SortCommand, main.catalogue.view.sortByDate ? "&Sort by Author" : "&Sort by Date");
}
