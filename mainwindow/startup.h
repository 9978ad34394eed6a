#pragma once

#include <functional>
#include <memory>
#include <string>

#include "mainwindow/catalogue_ahead.h"
#include "mainwindow/main_window.h"
#include "mainwindow/storage_dialogue.h"
#include "platform/print_surface.h"
#include "platform/text_measure.h"

// What start-up takes from the platform beside the main window's services.
struct StartupServices {
    const platform::TextMeasure& listMeasure;  // measures in the book list's font
    // The default printer (none without one), opened when printing first wants it.
    std::function<std::unique_ptr<platform::PrintSurface>()> openDefaultPrinter;
    // The catalogue the program began loading before the toolkit started; none: loaded in turn.
    CatalogueAhead* ahead = nullptr;
};

// Where the program was started, and the catalogue its command line names.
struct StartupPlace {
    platform::SystemPath startDirectory;       // the working folder, holding the settings file
    platform::SystemPath programFile = {};     // where help is looked for next; "" when unknown
    platform::SystemPath namedCatalogue = {};  // "" when none is named
};

// The catalogue program from start to end: takes the start folder, the
// screen measure and the way to the default printer; loads the catalogue the
// command line names and remembers it in the settings file, as Open does (but
// a missing file is not created), or, when none is named or the named one is
// refused, the one the settings file in `startDirectory` names. Any message
// about them comes before the window; then the main window runs until it is
// closed.
void runQuorvels(MainWindow& main, const StartupPlace& place, const StartupServices& services);

// The catalogue runQuorvels loads first: the one the command line names, else
// the one the settings file remembers; "" when there is neither.
platform::SystemPath firstCatalogue(const StartupPlace& place, platform::Files& files);

// Loading and saving through the main window: its message boxes, files,
// status line, Save As command and the hold on its catalogue's file.
StorageDialogue storageDialogueOf(MainWindow& main);
