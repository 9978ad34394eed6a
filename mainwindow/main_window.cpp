#include "mainwindow/main_window.h"

#include "mainwindow/about_box.h"
#include "mainwindow/book_list.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "mainwindow/status_line.h"

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
    setStatus(main, 1, "");
    updateMenuStates(main);
}

void openRecordDialog(MainWindow& main, RecordDialogMode mode) {
    if (main.dialogs.showRecord != nullptr) main.dialogs.showRecord(main, mode);
}

// A search that found nothing has hidden every record without rebuilding the
// view, so the list is refilled after the dialog whatever it did.
void openFindDialog(MainWindow& main) {
    if (main.dialogs.showFind != nullptr) main.dialogs.showFind(main);
    main.catalogue.listStale = true;
}

// The toolbar's buttons send the commands 601 to 699.
bool isToolbarButton(int id) { return id >= MarkButtonId && id <= 699; }

// After a toolbar button: the list brought up to date with the current row
// selected, the button back to its plain look and the keyboard at the list.
void toolbarEpilogue(MainWindow& main, int button) {
    const platform::WindowHandle window = main.state.window;
    if (main.catalogue.listStale) fillBookList(main);
    main.windows.setListRowSelected(window, BookListId, main.catalogue.selectedRow - 1, true);
    main.windows.setDefaultButton(window, button, false);
    main.windows.setFocus(window, BookListId);
}

void runCommand(MainWindow& main, int id) {
    switch (id) {
        case DataButtonId: openRecordDialog(main, RecordDialogMode::View); break;
        case AddButtonId: openRecordDialog(main, RecordDialogMode::Add); break;
        case EditButtonId: openRecordDialog(main, RecordDialogMode::Edit); break;
        case FindButtonId: openFindDialog(main); break;
        case QuitButtonId: main.windows.endWindow(main.state.window); break;
        case HelpCommand: main.help.showContents(main.state.helpPath, main.state.window); break;
        case AboutCommand: showAboutBox(main.messages); break;
        // Enter and Escape arrive as EnterCommand and EscapeCommand and do nothing.
        default: break;
    }
    if (isToolbarButton(id)) toolbarEpilogue(main, id);
}

// The caret row becomes the current row and record.
void bookListSelectionChanged(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    const int caret = main.windows.listCaretRow(main.state.window, BookListId);
    if (caret < 0 || caret >= viewCount(catalogue)) return;
    catalogue.selectedRow = caret + 1;
    catalogue.currentRecord = catalogue.viewOrder[catalogue.selectedRow];
    setStatus(main, 4, "");
}

// A double click toggles the row's mark; putting the row back loses its
// selection, so the caret row is selected again.
void bookListDoubleClicked(MainWindow& main) {
    const int caret = main.windows.listCaretRow(main.state.window, BookListId);
    toggleRowMark(main, main.catalogue.selectedRow);
    main.windows.setListRowSelected(main.state.window, BookListId, caret, true);
}

// At the window's end: the help window closes, the screen measure and the
// printer are let go.
void cleanUp(MainWindow& main) {
    main.help.close(main.state.helpPath);
    main.catalogue.screenMeasure = nullptr;
    main.state.printer.reset();
    main.state.window = {};
}

}  // namespace

void handleMainWindowMessage(MainWindow& main, platform::WindowHandle window, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: initialise(main, window); break;
        case MessageKind::Command:
            runCommand(main, message.id);
            updateMenuStates(main);
            break;
        case MessageKind::ListSelectionChange:
            if (message.id == BookListId) bookListSelectionChanged(main);
            updateMenuStates(main);
            break;
        case MessageKind::ListDoubleClick:
            if (message.id == BookListId) bookListDoubleClicked(main);
            updateMenuStates(main);
            break;
        case MessageKind::TextEdited: break;
        case MessageKind::CloseRequest: main.windows.endWindow(window); break;
        case MessageKind::Destroy: cleanUp(main); break;
    }
}

void runMainWindow(MainWindow& main) {
    main.windows.runWindow(mainWindowSpec(), {}, [&main](platform::WindowHandle window, const platform::Message& message) {
        handleMainWindowMessage(main, window, message);
    });
}
