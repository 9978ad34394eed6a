#include "mainwindow/startup.h"

#include "core/ordering.h"
#include "mainwindow/file_commands.h"
#include "mainwindow/status_line.h"
#include "platform/path_form.h"
#include "storage/settings_file.h"

StorageUi storageUiOf(MainWindow& main) {
    // Progress shows in field 1, which shows the file again when it ends.
    return {main.messages, main.files, [&main](const std::string& progress) { setStatus(main, 1, progress); },
            [&main] { saveCatalogueFileAs(main); }, &main.state.catalogueHold};
}

void runQuorvels(MainWindow& main, const platform::SystemPath& startDirectory, const StartupServices& services) {
    // The run's constants, the screen measure and the printer. The help path
    // is kept whole, however long the start folder is.
    main.state.startDirectory = startDirectory;
    main.state.helpPath = platform::withFinalSeparator(startDirectory) + "quorvels.hlp";
    main.state.listMeasure = &services.listMeasure;
    main.state.printer = services.openDefaultPrinter();

    // The view of the catalogue before loading, with its caption for status
    // field 2: a refused load changes nothing, so the window then shows it.
    rebuildView(main.catalogue);

    // The last catalogue, loaded before the window exists: its status texts
    // go nowhere and its messages come first.
    readSettings(main.catalogue, startDirectory, main.files);
    StorageUi ui = storageUiOf(main);
    loadCatalogue(main.catalogue, ui);

    runMainWindow(main);
}
