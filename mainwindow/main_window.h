#pragma once

#include <memory>
#include <string>

#include "core/catalogue.h"
#include "mainwindow/book_list.h"
#include "mainwindow/default_printer.h"
#include "mainwindow/type_ahead.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/text_measure.h"
#include "platform/transliterator.h"
#include "platform/window.h"
#include "storage/opened_file.h"

// The main window's own state; the program keeps one for the whole run.
struct MainWindowState {
    bool deletedPending = false;                        // records were deleted since start-up or the last Undelete
    platform::SystemPath startDirectory;                // the working directory at start-up
    platform::SystemPath helpPath;                      // found at start-up (help_file.h), kept whole however long
    platform::WindowHandle window;                      // the main window while it exists; none before and after
    DefaultPrinter printer;                             // looked up when printing first wants it
    TypeAhead typeAhead;                                // what was typed into the book list
    std::unique_ptr<platform::FileHold> catalogueHold;  // tells other copies the catalogue's file is open here

    // The book list: the measure its texts are cut by (none: not cut), and
    // what it shows, so that it is refilled when it no longer shows the view.
    const platform::TextMeasure* listMeasure = nullptr;
    std::uint32_t listViewVersion = 0;  // the view's version at the last refill
    bool listStale = false;             // refill even though the view is the same (row texts changed)
};

// What the main window's procedures work on. The program owns each part and
// tests build their own.
struct MainWindow {
    Catalogue& catalogue;
    OpenedFile& file;  // the catalogue's file
    MainWindowState& state;
    platform::Windows& windows;
    platform::MessageBoxes& messages;
    platform::Files& files;
    platform::HelpViewer& help;
    const platform::Clock& clock;                  // the year read dates are checked against
    platform::FileDialogs* fileDialogs = nullptr;  // Open, Save As, Import and Export do nothing without them
    // For Save As in the old form, where letters the old form cannot hold
    // become their nearest ("?" without it).
    platform::Transliterator* transliterator = nullptr;
    BookListRows bookListRows{catalogue, state};  // what the book list shows, for as long as it shows it
};

// Builds the main window from its table and runs it until it is closed.
void runMainWindow(MainWindow& main);

// The main window's handler: every message of the window arrives here.
void handleMainWindowMessage(MainWindow& main, platform::WindowHandle window, const platform::Message& message);
