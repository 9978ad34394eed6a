#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "platform/files.h"
#include "platform/message_box.h"

// The start of every catalogue file: the program's name, one blank and the
// version, 13 bytes without a length byte or terminator.
inline constexpr std::string_view FileMagic = "Quorvels 2.00";

// How storage reaches the user and the disk. What it tells the user is
// worded in storage/catalogue_messages.h.
struct StorageUi {
    platform::MessageBoxes& messages;
    // The file operations; platform::systemFiles() in the program, in tests
    // also a PosixFiles over FailingFiles, which fails chosen system calls.
    platform::Files& files;
    // Shows what a load or save is doing ("Opening file..."), and "" when it
    // has ended. May be empty (before the main window exists).
    std::function<void(const std::string& progress)> showProgress;
    // The main window's Save As command, used by confirmSaveChanges when the
    // catalogue has no name yet. It asks for a name and saves; may be empty.
    std::function<void()> saveAs;
    // Where the hold on the open catalogue's file is kept (see
    // platform::Files::holdOpen), so that other copies of the program are
    // told it is open here. None is taken when null (the command line, tools).
    std::unique_ptr<platform::FileHold>* hold = nullptr;
};

// Reads the file named by catalogue.fileName into the catalogue and rebuilds
// the view. On success the catalogue's records, authors and read dates are
// those of the file, `onDisk` describes it, `changed` is clear, `markedCount` is recounted,
// `upperCase` follows the first author and `lettersInForm` is false;
// `currentRecord` stays as it was unless the file has fewer records (then 0).
//
// A file is refused, with a message that names it (as shownPath shows it),
// when it cannot be read (missing, no permission, a folder), when its first 13 bytes are not
// FileMagic (the "Data Error" message), or when it is damaged: a
// negative count, a record whose author or read-date index lies outside its
// table, two records sharing one read date, read dates out of order, or an
// end before the data its counts declare. After a refusal nothing in memory has changed except that
// `fileName` is set back to previousFileName, so that a later save cannot
// write this catalogue over the refused file. Loading never creates or
// changes a file.
//
// With ui.hold, a loaded file is held in place of the file held before; when
// another program holds it too, the user is told that it is open there
// (and it is opened all the same).
//
// With an empty fileName nothing is read; the view is rebuilt. Returns true
// only when a file was loaded.
bool loadCatalogue(Catalogue& catalogue, StorageUi& ui, const platform::SystemPath& previousFileName = {});

// Writes the catalogue to catalogue.fileName when `changed` is set: drops the
// deleted records, the read dates they owned and the authors no remaining
// record uses, sets `shown` on every remaining record and replaces the file
// atomically (see platform::Files::replaceWhole). Returns true when the file now holds
// the catalogue (or nothing had to be written) and `changed` is clear.
//
// Before anything is written it looks at the file: when another program has
// changed it since this catalogue loaded it or was saved to it (`onDisk`),
// it asks first: Yes saves over it, No calls ui.saveAs (the result is then
// whether that saved), Cancel writes nothing. Then the file being replaced is
// kept whole as its backup, NAME.bak beside it (itself replaced atomically),
// and only after that is the file replaced; when the backup cannot be kept the
// user is asked whether to save without one. A file that has vanished is
// simply written anew. After the save `onDisk` describes the new file, and
// with ui.hold the new file is the one held.
//
// When the save fails (no permission, read-only file or folder, disk full,
// folder gone, a text longer than 255 bytes, ...) a message names the file and
// the reason, the file on disk is untouched, no temporary file is left, the
// catalogue in memory is exactly as before (the deleted records still there)
// and `changed` stays set; the result is false.
bool saveCatalogue(Catalogue& catalogue, StorageUi& ui);

// Asks whether unsaved changes are to be saved before they would be lost.
// Returns saveCancelled: true when the user chose Cancel, or chose Yes and the
// changes were not saved after all (the Save As dialog was cancelled or the
// save failed), so that the program keeps running with its changes.
bool confirmSaveChanges(Catalogue& catalogue, StorageUi& ui);

// For the Open command on a name that does not exist: creates the file holding
// FileMagic alone, an empty catalogue (also when it exists but is empty). A
// file with any content is left alone. Returns false, after a message naming
// the file and the reason, when it could not be created.
bool createEmptyCatalogueFile(const platform::SystemPath& path, StorageUi& ui);
