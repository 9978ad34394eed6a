#include "mainwindow/main_window.h"

#include "mainwindow/about_box.h"
#include "mainwindow/book_list.h"
#include "mainwindow/dialog_commands.h"
#include "mainwindow/exchange_commands.h"
#include "mainwindow/file_commands.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/mark_commands.h"
#include "mainwindow/menus.h"
#include "mainwindow/status_line.h"
#include "mainwindow/type_ahead.h"
#include "mainwindow/view_commands.h"
#include "statistics/statistics_dialog.h"

using platform::MessageKind;

namespace {

// Before the window becomes visible: the list from the view with row 1
// selected, the Case item naming the next conversion, and the file in status
// field 1. The icon and the background colour come with the window's table.
// The Edit menu follows the marks the catalogue was loaded with at once.
void initialise(MainWindow& main, platform::WindowHandle window) {
    main.state.window = window;
    fillBookList(main);
    main.windows.setListRowSelected(window, BookListId, 0, true);
    setCaseCaption(main, CaseCaptionForm::Plain);
    setStatus(main, StatusField::File, "");
    updateMenuStates(main);
}

// How a command ends, for the epilogue that follows it.
struct CommandEnd {
    bool epilogue = true;      // false: the list is left as it is, unless the command made it stale
    int topRow = 0;            // the list's top row to scroll back to after the refill; 0 = none
    bool windowEnded = false;  // the command closed the main window
};

constexpr CommandEnd withoutEpilogue{false};

CommandEnd runMenuCommand(MainWindow& main, int id) {
    switch (id) {
        case OpenCommand: openCatalogueFile(main); break;
        case SaveCommand: saveCatalogueFile(main); return withoutEpilogue;
        case SaveAsCommand: saveCatalogueFileAs(main); return withoutEpilogue;
        case ImportBooksCommand: importBooksFromFile(main); break;
        case ExportBooksCommand: exportBooksToFile(main); return withoutEpilogue;
        case PrintCommand: openPrintDialog(main); break;
        case ExitCommand: return {false, 0, closeMainWindow(main)};
        case MarkSelectedCommand: markSelectedRows(main, 1); break;
        case UnmarkAllShownCommand: setMarkOfShownRecords(main, false); break;
        case MarkAllShownCommand: setMarkOfShownRecords(main, true); break;
        case AddBookCommand: openRecordDialog(main, RecordDialogMode::Add); break;
        case EditBookCommand: openRecordDialog(main, RecordDialogMode::Edit); break;
        case DeleteBooksCommand: return {deleteBooks(main)};
        case UndeleteCommand: return {undeleteBooks(main)};
        case ListAllBooksCommand: listAllBooks(main); break;
        case CaseCommand: return {true, switchLetterCase(main)};
        case SortCommand: return {switchSortOrder(main)};
        case RecordDataCommand: openRecordDialog(main, RecordDialogMode::View); break;
        case BooksReadCommand: showReadOrUnreadBooks(main, ViewMode::Read); break;
        case BooksUnreadCommand: showReadOrUnreadBooks(main, ViewMode::Unread); break;
        // The figures only read the catalogue: the list stays as it is.
        case ReadingStatisticsCommand:
            showReadingStatistics(main.windows, main.catalogue.books, main.state.window);
            return withoutEpilogue;
        case FindBooksCommand: openFindDialog(main); break;
        case HelpCommand: main.help.showContents(main.state.helpPath, main.state.window); break;
        case AboutCommand: showAboutBox(main.messages); break;
        // Enter and Escape arrive as EnterCommand and EscapeCommand and do nothing.
        default: break;
    }
    return {};
}

// The list shows the view with the current row selected, and the current
// record is the one in that row: a view change or a search may have left
// currentRecord on a record the list does not show, and the commands on the
// current record act on what the user sees.
void showCurrentRow(MainWindow& main, const CommandEnd& end) {
    CatalogueView& view = main.catalogue.view;
    if (bookListStale(main)) fillBookList(main);
    main.windows.setListRowSelected(main.state.window, BookListId, view.selectedRow - 1, true);
    if (end.topRow != 0) main.windows.setListTopRow(main.state.window, BookListId, end.topRow);
    const bool rowShown = view.selectedRow >= 1 && view.selectedRow <= viewCount(view);
    view.currentRecord = rowShown ? view.order[view.selectedRow] : 0;
}

// After a menu command. A command that ends without it still gets its stale
// list refilled, so that row r always shows record view.order[r].
void menuEpilogue(MainWindow& main, const CommandEnd& end) {
    if (end.windowEnded || (!end.epilogue && !bookListStale(main))) return;
    showCurrentRow(main, end);
}

// A menu command as the window receives it, with its epilogue and the menu
// states after it.
CommandEnd handleMenuCommand(MainWindow& main, int id) {
    const CommandEnd end = runMenuCommand(main, id);
    menuEpilogue(main, end);
    updateMenuStates(main);
    return end;
}

CommandEnd pressToolbarButton(MainWindow& main, int button) {
    switch (button) {
        case MarkButtonId: return handleMenuCommand(main, MarkSelectedCommand);
        case CaseButtonId: return handleMenuCommand(main, CaseCommand);
        case SortButtonId: return handleMenuCommand(main, SortCommand);
        case PrintButtonId: return handleMenuCommand(main, PrintCommand);
        case DataButtonId: openRecordDialog(main, RecordDialogMode::View); break;
        case AddButtonId: openRecordDialog(main, RecordDialogMode::Add); break;
        case EditButtonId: openRecordDialog(main, RecordDialogMode::Edit); break;
        case FindButtonId: openFindDialog(main); break;
        case ListButtonId: return handleMenuCommand(main, ListAllBooksCommand);
        case QuitButtonId: return handleMenuCommand(main, ExitCommand);
        default: break;
    }
    return {};
}

// After a toolbar button: the list brought up to date with the current row
// selected, the button back to its plain look and the keyboard at the list.
void toolbarEpilogue(MainWindow& main, int button, const CommandEnd& end) {
    if (end.windowEnded) return;
    showCurrentRow(main, end);
    main.windows.setDefaultButton(main.state.window, button, false);
    main.windows.setFocus(main.state.window, BookListId);
}

// The toolbar's buttons send the commands 601 to 699.
bool isToolbarButton(int id) { return id >= MarkButtonId && id <= 699; }

void handleCommand(MainWindow& main, int id) {
    if (id < ToolbarPanelId) {
        handleMenuCommand(main, id);
        return;
    }
    if (isToolbarButton(id)) toolbarEpilogue(main, id, pressToolbarButton(main, id));
    updateMenuStates(main);
}

// The caret row becomes the current row and record.
void bookListSelectionChanged(MainWindow& main) {
    CatalogueView& view = main.catalogue.view;
    const int caret = main.windows.listCaretRow(main.state.window, BookListId);
    if (caret < 0 || caret >= viewCount(view)) return;
    view.selectedRow = caret + 1;
    view.currentRecord = view.order[view.selectedRow];
    setStatus(main, StatusField::Position, "");
}

// Typed letters select the first row, from the current one down, whose author
// begins with them, as a click on that row would; with none, nothing changes.
void bookListTyped(MainWindow& main, const platform::Message& message) {
    const std::string& typed = typeAheadText(main.state.typeAhead, message.text, message.time);
    const int row = rowOfAuthorStartingWith(main.catalogue, main.catalogue.view.selectedRow, typed);
    if (row == 0) return;
    const platform::WindowHandle window = main.state.window;
    for (int selected : main.windows.selectedListRows(window, BookListId))
        main.windows.setListRowSelected(window, BookListId, selected, false);
    main.windows.setListRowSelected(window, BookListId, row - 1, true);
    bookListSelectionChanged(main);
}

// A double click toggles the row's mark; putting the row back loses its
// selection, so the caret row is selected again.
void bookListDoubleClicked(MainWindow& main) {
    const int caret = main.windows.listCaretRow(main.state.window, BookListId);
    toggleRowMark(main, main.catalogue.view.selectedRow);
    main.windows.setListRowSelected(main.state.window, BookListId, caret, true);
}

// At the window's end: the help window closes, the screen measure and the
// printer are let go.
void cleanUp(MainWindow& main) {
    main.help.close(main.state.helpPath);
    main.state.listMeasure = nullptr;
    main.state.printer.surface.reset();
    main.state.window = {};
}

}  // namespace

void handleMainWindowMessage(MainWindow& main, platform::WindowHandle window, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: initialise(main, window); break;
        case MessageKind::Command: handleCommand(main, message.id); break;
        case MessageKind::ListSelectionChange:
            if (message.id == BookListId) bookListSelectionChanged(main);
            updateMenuStates(main);
            break;
        case MessageKind::ListDoubleClick:
            if (message.id == BookListId) bookListDoubleClicked(main);
            updateMenuStates(main);
            break;
        case MessageKind::ListTyped:
            if (message.id == BookListId) bookListTyped(main, message);
            updateMenuStates(main);
            break;
        case MessageKind::TextEdited: break;
        // The close box keeps the window open when the user cancels, or when
        // the changes they chose to save could not be saved.
        case MessageKind::CloseRequest: closeMainWindow(main); break;
        case MessageKind::Destroy: cleanUp(main); break;
    }
}

void runMainWindow(MainWindow& main) {
    main.windows.runWindow(mainWindowSpec(), {},
                           [&main](platform::WindowHandle window, const platform::Message& message) {
                               handleMainWindowMessage(main, window, message);
                           });
}
