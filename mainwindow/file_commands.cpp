#include "mainwindow/file_commands.h"

#include "mainwindow/main_window.h"
#include "mainwindow/menus.h"
#include "mainwindow/old_form.h"
#include "mainwindow/startup.h"
#include "mainwindow/status_line.h"
#include "mainwindow/storage_dialogue.h"
#include "mainwindow/yes_no_question.h"

using platform::Icon;

namespace {

// The Open and Save As dialogs start in the program's current folder, which
// is the one it was started in: nothing changes it.
platform::FileDialogRequest catalogueFileRequest(const MainWindow& main, const std::string& title,
                                                 std::vector<platform::FileFilter> filters,
                                                 const platform::SystemPath& initialName) {
    return {title, std::move(filters), "pmr", main.state.startDirectory, initialName};
}

// Save As offers the file's two forms: the one the catalogue's letters need,
// and the old one, which older copies of the program open.
constexpr std::size_t OldFormType = 1;

std::optional<platform::SaveChoice> askFileToSaveAs(MainWindow& main) {
    if (main.fileDialogs == nullptr) return std::nullopt;
    return main.fileDialogs->askFileAndTypeToSave(catalogueFileRequest(
        main, "Save File", {{"Quorvels catalogue", "*.pmr"}, {"Quorvels 2.00 catalogue", "*.pmr"}}, main.file.path));
}

// Before Open replaces a changed catalogue: Yes saves it (through Save As
// when it has no name), No drops the changes. Returns false when the changes
// were to be saved and were not (the dialog was cancelled or the save
// failed), so that Open does not drop them.
bool settleChangesBeforeOpen(MainWindow& main, StorageDialogue& dialogue) {
    Catalogue& catalogue = main.catalogue;
    if (!catalogue.books.changed) return true;
    if (!userSaysYes(main, "File has changed...\r\nSave it now?", "Save File", Icon::Question)) return true;
    if (main.file.path.empty()) {
        saveCatalogueFileAs(main);
        return !catalogue.books.changed;
    }
    return saveCatalogueAsking(catalogue, main.file, dialogue);
}

}  // namespace

bool userAllowsWritingTo(MainWindow& main, const platform::SystemPath& path) {
    platform::FileInfo info;
    const bool nameTaken = main.files.status(path, false, info) == 0;  // by a file, a folder or a link
    return !nameTaken || userSaysYes(main, "Overwrite existing file?", "Overwrite Warning", Icon::Exclamation);
}

void openCatalogueFile(MainWindow& main) {
    if (main.fileDialogs == nullptr) return;
    const auto chosen = main.fileDialogs->askFileToOpen(
        catalogueFileRequest(main, "Open File", {{"Quorvel Files", "*.pmr"}, {"All Files", "*.*"}}, {}));
    if (!chosen) return;
    Catalogue& catalogue = main.catalogue;
    StorageDialogue dialogue = storageDialogueOf(main);
    if (!settleChangesBeforeOpen(main, dialogue)) return;
    if (!createEmptyCatalogueFileTelling(*chosen, dialogue)) return;

    const platform::SystemPath previousPath = main.file.path;
    main.file.path = *chosen;
    if (!loadCatalogueTelling(catalogue, main.file, dialogue, previousPath)) return;
    writeSettingsTelling(main.file, main.state.startDirectory, dialogue);
    setCaseCaption(main, CaseCaptionForm::Plain);
    setStatus(main, StatusField::File, "");
}

void saveCatalogueFile(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    if (!userSaysYes(main, "Save file now?", "Save File", Icon::Question)) return;
    if (main.file.path.empty()) return saveCatalogueFileAs(main);
    catalogue.books.changed = true;  // so that the save always writes
    StorageDialogue dialogue = storageDialogueOf(main);
    saveCatalogueAsking(catalogue, main.file, dialogue);
}

void saveCatalogueFileAs(MainWindow& main) {
    Catalogue& catalogue = main.catalogue;
    const auto chosen = askFileToSaveAs(main);
    if (!chosen) return;
    if (!userAllowsWritingTo(main, chosen->path)) return;
    if (chosen->filter == OldFormType && !bringTextsIntoOldForm(main)) return;

    const platform::SystemPath previousPath = main.file.path;
    main.file.path = chosen->path;
    catalogue.books.changed = true;  // so that the save always writes
    StorageDialogue dialogue = storageDialogueOf(main);
    if (!saveCatalogueAsking(catalogue, main.file, dialogue)) {
        // The save said what failed. The catalogue is still the one of the
        // previous file, with its changes unsaved.
        main.file.path = previousPath;
        setStatus(main, StatusField::File, "");
        return;
    }
    writeSettingsTelling(main.file, main.state.startDirectory, dialogue);
    setStatus(main, StatusField::File, "");
}

bool closeMainWindow(MainWindow& main) {
    StorageDialogue dialogue = storageDialogueOf(main);
    if (confirmSaveChanges(main.catalogue, main.file, dialogue)) return false;
    main.windows.endWindow(main.state.window);
    return true;
}
