#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/field_ids.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "mainwindow/startup.h"
#include "platform/system_transliterator.h"
#include "platform/testing/fixed_width_measure.h"
#include "platform/testing/recording_print_surface.h"
#include "storage/catalogue_file.h"
#include "tests/mainwindow/main_window_harness.h"
#include "tests/support/temporary_folder.h"

// The whole program as a user meets it: started in a folder of its own,
// reading the settings file there, with the scripted file dialogs and a
// printer that records what it prints.
struct ProgramHarness : MainWindowHarness {
    using User = platform::scripted::ScriptedUser;
    using Script = std::function<void(User&)>;

    TemporaryFolder folder;
    TestPath startFolder = folder.path;  // where the program starts: the folder, or one inside it
    platform::scripted::FixedWidthMeasure measure{5};
    platform::scripted::RecordingPrintSurface* printer = nullptr;  // while the window runs

    ProgramHarness() {
        main.fileDialogs = &ui;
        main.transliterator = &platform::systemTransliterator();
    }

    // Starts the program; `script` acts as the user. A window the script left
    // open is closed, dropping any unsaved changes.
    void start(const Script& script) {
        ui.queueScript([this, script](User& user) {
            script(user);
            if (!ui.window(user.window).ended) closeDroppingChanges(user);
        });
        const StartupServices services{measure, [this] {
                                           auto surface = std::make_unique<platform::scripted::RecordingPrintSurface>();
                                           printer = surface.get();
                                           return surface;
                                       }};
        runQuorvels(main, {startFolder}, services);
    }

    // The next window that opens is driven by `script`.
    void then(const Script& script) { ui.queueScript(script); }

    // Adds a book through the toolbar's Add button and the record dialog.
    void addBookByHand(User& user, const std::string& author, const std::string& title, const std::string& date = "") {
        then([author, title, date](User& dialog) {
            dialog.replaceText(AuthorBoxId, author);
            dialog.replaceText(TitleBoxId, title);
            dialog.replaceText(DateReadBoxId, date);
            dialog.pressEnter();  // "&Add"
        });
        user.click(AddButtonId);
    }

    // A catalogue file in the start folder, written through storage as a save
    // of the program writes it.
    TestPath saveCatalogueFile(const std::string& name, const std::function<void(Catalogue&)>& fill) {
        Catalogue books;
        const TestPath path = startFolder + PathSeparator + name;
        OpenedFile booksFile{path, {}};
        fill(books);
        saveCatalogue(books, booksFile, platform::systemFiles());
        return path;
    }

    void writeSettingsFile(const std::string& catalogueFile) {
        writeFile(startFolder + PathSeparator + "quorvels.ini", catalogueFile + "\r\n");
    }

    // The catalogue a file holds, as "AUTHOR TITLE" in author order.
    static std::vector<std::string> booksInFile(const TestPath& path) {
        Catalogue loaded;
        OpenedFile loadedFile{path, {}};
        loadCatalogue(loaded, loadedFile, platform::systemFiles());
        return viewRows(loaded);
    }

    // What the user sees.
    static std::string field(const User& user, int number) {
        return user.text(statusLabelId(static_cast<StatusField>(number)));
    }
    static std::vector<std::string> fields(const User& user) {
        return {field(user, 1), field(user, 2), field(user, 3), field(user, 4)};
    }
    static const std::vector<std::string>& rows(const User& user) { return user.control(BookListId).rows; }
    // The title column of every row, marks first: "x Dune", "  Emma".
    static std::vector<std::string> titles(const User& user) {
        std::vector<std::string> shown;
        for (const std::string& row : rows(user)) {
            const auto titleStart = row.find('\t', 2) + 1;
            shown.push_back(row.substr(0, 1) + " " + row.substr(titleStart, row.find('\t', titleStart) - titleStart));
        }
        return shown;
    }
    static std::vector<int> selectedRows(const User& user) {
        std::vector<int> found;
        const auto& selected = user.control(BookListId).selected;
        for (int row = 0; row < static_cast<int>(selected.size()); ++row)
            if (selected[row]) found.push_back(row);
        return found;
    }
    static const platform::MenuItemSpec& menuItem(const User& user, int command) { return user.menuItem(command); }
    static bool enabled(const User& user, int command) { return user.menuItem(command).enabled; }
};
