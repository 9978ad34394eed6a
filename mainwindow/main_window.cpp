#include "mainwindow/main_window.h"

#include "mainwindow/book_list.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/status_line.h"

using platform::MessageKind;

namespace {

// Before the window becomes visible: the list from the view with row 1
// selected, and the file in status field 1. The icon and the background
// colour come with the window's table.
void initialise(MainWindow& main, platform::WindowHandle window) {
    main.state.window = window;
    fillBookList(main);
    main.windows.setListRowSelected(window, BookListId, 0, true);
    setStatus(main, 1, "");
}

void runCommand(MainWindow& main, int id) {
    switch (id) {
        case QuitButtonId: main.windows.endWindow(main.state.window); break;
        // Enter and Escape arrive as EnterCommand and EscapeCommand and do nothing.
        default: break;
    }
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

// At the window's end: the screen measure and the printer are let go. (The
// help viewer, once there is one, is told to close first.)
void cleanUp(MainWindow& main) {
    main.catalogue.screenMeasure = nullptr;
    main.state.printer.reset();
    main.state.window = {};
}

}  // namespace

void handleMainWindowMessage(MainWindow& main, platform::WindowHandle window, const platform::Message& message) {
    switch (message.kind) {
        case MessageKind::Init: initialise(main, window); break;
        case MessageKind::Command: runCommand(main, message.id); break;
        case MessageKind::ListSelectionChange:
            if (message.id == BookListId) bookListSelectionChanged(main);
            break;
        case MessageKind::ListDoubleClick:
            if (message.id == BookListId) bookListDoubleClicked(main);
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
