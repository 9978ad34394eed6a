#pragma once

#include <functional>
#include <string>

#include "core/catalogue.h"
#include "mainwindow/main_window.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_help_viewer.h"
#include "platform/testing/scripted_windows.h"
#include "tests/core/catalogue_builders.h"

// A catalogue, a main-window state, a scripted screen and a help viewer that
// records its requests, wired together as the program wires its own.
struct MainWindowHarness {
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    platform::scripted::ScriptedWindows ui;
    platform::scripted::RecordingHelpViewer help;
    platform::scripted::FixedClock clock{2026};
    MainWindow main{catalogue, file, state, ui, ui, platform::systemFiles(), help, clock};

    // Runs the main window: `script` acts as the user, then the close box ends
    // the window, dropping any unsaved changes.
    void run(const std::function<void(platform::scripted::ScriptedUser&)>& script) {
        ui.queueScript([this, script](platform::scripted::ScriptedUser& user) {
            script(user);
            closeDroppingChanges(user);
        });
        runMainWindow(main);
    }

    // The close box; asked about unsaved changes, the user answers No.
    void closeDroppingChanges(platform::scripted::ScriptedUser& user) {
        if (catalogue.books.changed) ui.messageBoxes.expect(platform::Answer::No);
        user.closeBox();
    }
};
