#include "mainwindow/startup.h"

#include "core/ordering.h"
#include "mainwindow/file_commands.h"
#include "mainwindow/help_file.h"
#include "mainwindow/status_line.h"
#include "mainwindow/storage_dialogue.h"
#include "platform/path_form.h"
#include "storage/settings_file.h"

StorageDialogue storageDialogueOf(MainWindow& main) {
    // Progress shows in field 1, which shows the file again when it ends.
    return {main.messages, main.files,
            [&main](const std::string& progress) { setStatus(main, StatusField::File, progress); },
            [&main] { saveCatalogueFileAs(main); }, &main.state.catalogueHold};
}

namespace {

// A catalogue named on the command line: a relative name is taken from the
// start folder, as the shell that started the program meant it.
platform::SystemPath namedCataloguePath(const StartupPlace& place) {
    const platform::SystemPath& name = place.namedCatalogue;
    if (name.empty() || platform::isAbsolutePath(name)) return name;
    return platform::inFolder(place.startDirectory, name);
}

}  // namespace

void runQuorvels(MainWindow& main, const StartupPlace& place, const StartupServices& services) {
    // The run's constants, the screen measure and how to find the printer.
    // The help path is kept whole, however long the start folder is.
    const platform::SystemPath& startDirectory = place.startDirectory;
    main.state.startDirectory = startDirectory;
    main.state.helpPath = findHelpFile(helpFolders(startDirectory, place.programFile), main.files);
    main.state.listMeasure = &services.listMeasure;
    main.state.printer.open = services.openDefaultPrinter;

    // The view of the catalogue before loading, with its caption for status
    // field 2: a refused load changes nothing, so the window then shows it.
    rebuildView(main.catalogue);

    // The catalogue, loaded before the window exists: its status texts go
    // nowhere and its messages come first. The remembered one stands in for
    // a refused named one, as the open catalogue stays after a refused Open,
    // unless it is that same file, refused already.
    StorageDialogue dialogue = storageDialogueOf(main);
    CatalogueAhead none;
    CatalogueAhead& ahead = services.ahead != nullptr ? *services.ahead : none;
    const auto load = [&] { return loadFromAhead(ahead, main.catalogue, main.file, main.files); };
    const platform::SystemPath remembered = readSettings(startDirectory, main.files);
    const platform::SystemPath named = namedCataloguePath(place);
    bool loaded = false;
    if (!named.empty()) {
        main.file.path = named;
        loaded = loadTelling(main.file, dialogue, load);
        if (loaded) writeSettingsTelling(main.file, startDirectory, dialogue);
    }
    if (!loaded && remembered != named) {
        main.file.path = remembered;
        loadTelling(main.file, dialogue, load);
    }

    runMainWindow(main);
}

platform::SystemPath firstCatalogue(const StartupPlace& place, platform::Files& files) {
    const platform::SystemPath named = namedCataloguePath(place);
    return named.empty() ? readSettings(place.startDirectory, files) : named;
}
