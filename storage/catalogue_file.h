#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "core/catalogue.h"
#include "platform/files.h"
#include "storage/catalogue_codec.h"
#include "storage/file_on_disk.h"
#include "storage/file_problem.h"
#include "storage/opened_file.h"

// The start of every catalogue file: the program's name, one blank and the
// version, 13 bytes without a length byte or terminator. FileMagic begins the
// old form, which every copy of the program reads; NewFormMagic the new form,
// which copies that know only the old one refuse as the wrong version.
inline constexpr std::string_view FileMagic = "Quorvels 2.00";
inline constexpr std::string_view NewFormMagic = "Quorvels 3.00";

// `files` is platform::systemFiles() in the program; in tests also a
// PosixFiles over FailingFiles, which fails chosen system calls.

// What a load did: a file was loaded, or it was refused for `problem`.
struct LoadOutcome {
    bool loaded = false;
    std::optional<FileProblem> problem;
};

// Reads the file at file.path into the catalogue and rebuilds the view. On
// success the catalogue's records, authors and read dates are those of the
// file (texts in UTF-8, whichever form it has), file.onDisk describes it,
// file.form is its form, `changed` is clear, `markedCount` is recounted,
// `upperCase` follows the first author and `lettersInForm` is false;
// `currentRecord` stays as it was unless the file has fewer records (then 0).
//
// A file is refused, with a problem that names it, when it cannot be read
// (missing, no permission, a folder), when its first 13 bytes are neither
// FileMagic nor NewFormMagic (WrongVersion), or when it is damaged: a
// negative count, a record whose author or read-date index lies outside its
// table, two records sharing one read date, read dates out of order, an
// end before the data its counts declare, or in the new form a text that is
// not well-formed UTF-8 or holds more than 255 characters. After a refusal
// nothing in memory has changed except that file.path is set back to
// previousPath, so that a later save cannot write this catalogue over the
// refused file. Loading never creates or changes a file.
//
// With an empty file.path nothing is read; the view is rebuilt and nothing is
// loaded.
LoadOutcome loadCatalogue(Catalogue& catalogue, OpenedFile& file, platform::Files& files,
                          const platform::SystemPath& previousPath = {});

// Holds the file at path in `hold`, in place of the file held before (the same
// file included, so that this program does not count as another holder of
// it; see platform::Files::holdOpen). Returns whether another program holds
// it too.
bool holdCatalogueFile(platform::Files& files, const platform::SystemPath& path,
                       std::unique_ptr<platform::FileHold>& hold);

// What a save of the catalogue would meet, found before anything is written.
struct SaveLook {
    std::optional<FileProblem> problem;  // it cannot be saved at all: no name, a text too long
    FileOnDisk now;                      // the file as it is now
    // Another program has changed the file since this catalogue loaded it or
    // was saved to it (file.onDisk). Only that file can have been changed behind
    // its back; Save As asks before replacing another.
    bool changedElsewhere = false;
    PurgePlan plan;  // what the save writes, planned once (without `problem`)
};

// Looks at what a save of a changed catalogue would meet (without looking at
// the disk when it cannot be saved at all).
SaveLook lookAtCatalogueFile(const Catalogue& catalogue, const OpenedFile& file, platform::Files& files);

// What the user decided about the questions a save may meet.
struct SaveChoices {
    bool overwriteChanged = false;  // replace a file another program has changed
    bool withoutBackup = false;     // the backup could not be kept: save without trying again
};

// What a save did.
struct SaveOutcome {
    enum Result {
        Saved,             // the file holds the catalogue (or nothing had to be written)
        NotSaved,          // nothing was written, for `problem`
        SavedUnconfirmed,  // written, but not confirmed on the disk (`problem`)
        NeedsAnswer,       // nothing was written: `problem` (ChangedElsewhere, BackupNotKept) needs the user's choice
    };
    Result result = Saved;
    FileProblem problem;
};

// Writes the catalogue to file.path when `changed` is set: drops the
// deleted records, the read dates they owned and the authors no remaining
// record uses, sets `shown` on every remaining record and replaces the file
// atomically (see platform::Files::replaceWhole); `look` is what
// lookAtCatalogueFile found just before, the catalogue unchanged since (its
// plan is written). The file has the old form when
// Windows-1252 holds every text written, else the new form (see
// catalogue_codec.h). On Saved `changed` is clear, file.onDisk describes the
// new file and file.form is its form.
//
// A file another program changed is replaced only with
// choices.overwriteChanged. The file being replaced is first kept whole as
// its backup, NAME.bak beside it (itself replaced atomically); when that
// fails, the save goes on only with choices.withoutBackup. A file that has
// vanished is simply written anew.
//
// When the save fails (no permission, read-only file or folder, disk full,
// folder gone, a text longer than 255 characters, ...) the file on disk is
// untouched, no temporary file is left, the catalogue in memory is exactly as
// before (the deleted records still there) and `changed` stays set. After
// SavedUnconfirmed the catalogue in memory is the one written, `changed` set.
SaveOutcome saveCatalogue(Catalogue& catalogue, OpenedFile& file, platform::Files& files, const SaveLook& look,
                          const SaveChoices& choices);

// A save that asks nobody, for tools: looks, then saves only when no question arises.
SaveOutcome saveCatalogue(Catalogue& catalogue, OpenedFile& file, platform::Files& files);

// For the Open command on a name that does not exist: creates the file holding
// FileMagic alone, an empty catalogue (also when it exists but is empty). A
// file with any content is left alone. Returns the problem when it could not
// be created.
std::optional<FileProblem> createEmptyCatalogueFile(const platform::SystemPath& path, platform::Files& files);
