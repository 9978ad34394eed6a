#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/catalogue.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "storage/catalogue_file.h"
#include "storage/opened_file.h"

// The main window's side of loading and saving: it shows the progress,
// reports what storage found and asks the questions a save meets, in the
// words of mainwindow/file_messages.h.
struct StorageDialogue {
    platform::MessageBoxes& messages;
    // The file operations; platform::systemFiles() in the program, in tests
    // also a PosixFiles over FailingFiles, which fails chosen system calls.
    platform::Files& files;
    // Shows what a load or save is doing ("Opening file..."), and "" when it
    // has ended. May be empty (before the main window exists).
    std::function<void(const std::string& progress)> showProgress;
    // The main window's Save As command, for a save the user sends to another
    // name. It asks for a name and saves; may be empty.
    std::function<void()> saveAs;
    // Where the hold on the open catalogue's file is kept, so that other
    // copies of the program are told it is open here. None is taken when null.
    std::unique_ptr<platform::FileHold>* hold = nullptr;
};

// Loads file.path into the catalogue (see loadCatalogue); a refused file is reported.
// With dialogue.hold, a loaded file is held in place of the file held before;
// when another program holds it too, the user is told that it is open there
// (and it is opened all the same). Returns true only when a file was loaded.
bool loadCatalogueTelling(Catalogue& catalogue, OpenedFile& file, StorageDialogue& dialogue,
                          const platform::SystemPath& previousPath = {});

// As loadCatalogueTelling, with the loading itself done by `load`, which does
// to the catalogue and `file` what loadCatalogue does.
bool loadTelling(const OpenedFile& file, StorageDialogue& dialogue, const std::function<LoadOutcome()>& load);

// Saves the catalogue (see saveCatalogue). When another program has changed
// the file, it asks first: Yes saves over it, No runs Save As (the result is
// then whether that saved), Cancel writes nothing. When the backup cannot be
// kept it asks whether to save without one. A failed save is reported. A
// save that writes the new form of the file where the catalogue's file had
// the old one (or it had none) tells the user so once. With
// dialogue.hold, the new file is the one held. Returns true when the file now
// holds the catalogue (or nothing had to be written).
bool saveCatalogueAsking(Catalogue& catalogue, OpenedFile& file, StorageDialogue& dialogue);

// Asks whether unsaved changes are to be saved before they would be lost.
// Returns saveCancelled: true when the user chose Cancel, or chose Yes and the
// changes were not saved after all (the Save As dialog was cancelled or the
// save failed), so that the program keeps running with its changes.
bool confirmSaveChanges(Catalogue& catalogue, OpenedFile& file, StorageDialogue& dialogue);

// Creates the empty catalogue file (see createEmptyCatalogueFile), or says why
// it could not. Returns whether it is there.
bool createEmptyCatalogueFileTelling(const platform::SystemPath& path, StorageDialogue& dialogue);

// Remembers the catalogue in the settings file (see writeSettings), or says
// why it could not. Returns whether it did.
bool writeSettingsTelling(const OpenedFile& file, const platform::SystemPath& startDirectory,
                          StorageDialogue& dialogue);
