#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/field_ids.h"
#include "dialogs/find_dialog.h"
#include "dialogs/record_dialog.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "tests/mainwindow/main_window_harness.h"

// The main window, from which the user opens the record and find dialogs.
struct DialogHarness : MainWindowHarness {
    using Script = std::function<void(platform::scripted::ScriptedUser&)>;

    // Runs the main window: the user presses the toolbar `button`, `dialog`
    // drives the window that opens, then `afterwards` looks at the main
    // window, and the close box ends it, dropping any unsaved changes.
    void press(int button, const Script& dialog, const Script& afterwards = {}) {
        ui.queueScript([&](platform::scripted::ScriptedUser& user) {
            ui.queueScript(dialog);
            user.click(button);
            if (afterwards) afterwards(user);
            closeDroppingChanges(user);
        });
        runMainWindow(main);
    }

    // What the main window shows.
    const platform::scripted::ScriptedControl& mainControl(int id) const { return ui.control(state.window, id); }
    bool listAllBooksEnabled() {
        return platform::scripted::ScriptedUser{ui, state.window}.menuItem(ListAllBooksCommand).enabled;
    }
};
