#pragma once

#include <functional>
#include <string>

#include "core/catalogue.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "mainwindow/main_window.h"
#include "platform/scripted/scripted_windows.h"

// A catalogue, a main-window state and a scripted screen, wired together as
// the program wires its own.
struct MainWindowHarness {
    Catalogue catalogue;
    MainWindowState state;
    platform::scripted::ScriptedWindows ui;
    MainWindow main{catalogue, state, ui, ui};

    // Runs the main window: `script` acts as the user, then the close box ends the window.
    void run(const std::function<void(platform::scripted::ScriptedUser&)>& script) {
        ui.queueScript([script](platform::scripted::ScriptedUser& user) {
            script(user);
            user.closeBox();
        });
        runMainWindow(main);
    }
};

// Adds a book; `date` is "" for an unread one, else in the form MM-DD-YYYY.
inline void addBook(Catalogue& catalogue, const std::string& author, const std::string& title,
                    const std::string& date = "", std::uint8_t category = 0, std::uint8_t review = 0) {
    insertRecord(catalogue, author, title, "", date.empty() ? 0 : packReadDate(date), category, review);
}
