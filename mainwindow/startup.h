#pragma once

#include <functional>
#include <memory>
#include <string>

#include "mainwindow/main_window.h"
#include "platform/print_surface.h"
#include "platform/text_measure.h"
#include "storage/catalogue_file.h"

// What start-up takes from the platform beside the main window's services.
struct StartupServices {
    const platform::TextMeasure& listMeasure;  // measures in the book list's font
    std::function<std::unique_ptr<platform::PrintSurface>()> openDefaultPrinter;  // none without a printer
};

// The catalogue program from start to end: takes the start folder, the
// screen measure and the default printer; reads the settings file in
// `startDirectory` and loads the catalogue it names (any message about it
// comes before the window); then runs the main window until it is closed.
void runQuorvels(MainWindow& main, const platform::SystemPath& startDirectory, const StartupServices& services);

// How storage reaches the user through the main window: its message boxes,
// files and status line, and its Save As command for a catalogue without a name.
StorageUi storageUiOf(MainWindow& main);
