#include "storage/catalogue_file.h"

#include <cerrno>
#include <cstring>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_messages.h"
#include "storage/file_on_disk.h"

namespace {

void setFileStatus(StorageUi& ui, const std::string& text) {
    if (ui.showProgress) ui.showProgress(text);
}

void tell(StorageUi& ui, const FileProblem& problem) { show(ui.messages, messageFor(problem)); }

bool refuseLoad(Catalogue& catalogue, StorageUi& ui, const platform::SystemPath& previousFileName,
                const FileProblem& problem) {
    tell(ui, problem);
    catalogue.fileName = previousFileName;
    setFileStatus(ui, "");
    return false;
}

// A replacement that did not end in a lasting file, as the problem to report.
FileProblem problemOf(const platform::ReplaceResult& written, FileProblem::What what,
                      const platform::SystemPath& fileName) {
    return {what, fileName, written.target, written.reason, {}};
}

// Keeps the file a save is about to replace as its backup, or, when that
// fails, asks whether to save without one. Returns whether the save goes on.
bool keepBackup(const FileOnDisk& now, const platform::SystemPath& fileName, StorageUi& ui) {
    if (now.missing) return true;  // nothing to keep
    const platform::SystemPath backupName = backupNameOf(fileName);
    std::string reason = now.unreadReason;
    if (reason.empty()) {
        // The backup is itself replaced whole: at every moment it is the
        // previous backup or this one, and the file stays untouched until
        // the backup is safe. It is no more open to others than the file,
        // but its owner may write it, or the next backup could not replace it.
        platform::FileInfo access = now.info;
        access.permissions |= 0200;
        const platform::ReplaceResult kept =
            ui.files.replaceWhole(backupName, now.bytes, now.described ? &access : nullptr);
        if (kept.outcome == platform::ReplaceResult::Replaced) return true;
        reason = kept.reason;
    }
    return show(ui.messages, backupNotKeptQuestion(fileName, backupName, reason)) == platform::Answer::Yes;
}

// Holds the file now named, in place of the one held before (the same file
// included, so that this program does not count as another holder of it).
// Returns whether another program holds it too.
bool holdFile(const platform::SystemPath& fileName, StorageUi& ui) {
    if (ui.hold == nullptr) return false;
    ui.hold->reset();
    platform::HoldResult held = ui.files.holdOpen(fileName);
    *ui.hold = std::move(held.hold);
    return held.heldElsewhere;
}

}  // namespace

bool loadCatalogue(Catalogue& catalogue, StorageUi& ui, const platform::SystemPath& previousFileName) {
    if (!catalogue.fileName.empty()) {
        const platform::SystemPath fileName = catalogue.fileName;
        setFileStatus(ui, OpeningStatus);

        // Described before it is read, so that a change while it is read shows.
        platform::FileInfo info;
        const bool described = ui.files.status(fileName, true, info) == 0;
        std::string bytes;
        if (const int error = ui.files.readFile(fileName, MaxCatalogueFileBytes, bytes); error != 0) {
            const std::string reason = error == EINVAL ? "it is not a regular file" : std::strerror(error);
            return refuseLoad(catalogue, ui, previousFileName, {FileProblem::NotRead, fileName, {}, reason, {}});
        }

        Catalogue loaded;
        const DecodeResult result = decodeCatalogue(bytes, loaded);
        if (result.status == DecodeResult::WrongMagic)
            return refuseLoad(catalogue, ui, previousFileName, {FileProblem::WrongVersion, fileName, {}, {}, {}});
        if (result.status == DecodeResult::Damaged)
            return refuseLoad(catalogue, ui, previousFileName,
                              {FileProblem::Damaged, fileName, {}, result.problem, {}});

        catalogue.records = std::move(loaded.records);
        catalogue.authors = std::move(loaded.authors);
        catalogue.readDates = std::move(loaded.readDates);
        catalogue.onDisk = stampOf(fileName, described, info, bytes);
        catalogue.changed = false;
        catalogue.markedCount = 0;
        for (std::size_t i = 1; i < catalogue.records.size(); ++i)
            if (testFlag(catalogue.records[i].flags, marked)) ++catalogue.markedCount;
        const std::string& firstAuthor = authorCount(catalogue) > 0 ? catalogue.authors[1] : catalogue.authors[0];
        catalogue.upperCase = firstAuthor == toUpperAscii(firstAuthor);
        // The texts are the file's: nothing says they are all in one form.
        catalogue.lettersInForm = false;
        // A record number the new file does not have would point outside it.
        if (catalogue.currentRecord < 0 || catalogue.currentRecord > recordCount(catalogue)) catalogue.currentRecord = 0;
    }
    rebuildView(catalogue);
    setFileStatus(ui, "");
    if (catalogue.fileName.empty()) return false;
    if (holdFile(catalogue.fileName, ui)) show(ui.messages, openElsewhereNotice(catalogue.fileName));
    return true;
}

bool saveCatalogue(Catalogue& catalogue, StorageUi& ui) {
    setFileStatus(ui, SavingStatus);
    if (!catalogue.changed) {
        setFileStatus(ui, "");
        return true;
    }
    auto fail = [&](const FileProblem& problem) {
        tell(ui, problem);
        setFileStatus(ui, "");
        return false;
    };
    auto stop = [&] {
        setFileStatus(ui, "");
        return false;
    };
    const platform::SystemPath fileName = catalogue.fileName;
    if (fileName.empty())
        return fail({FileProblem::NoFileName, fileName, {}, {}, {}});

    const PurgePlan plan = planPurge(catalogue);
    if (!plan.problem.empty())
        return fail({FileProblem::NotSaved, fileName, {}, plan.problem, {}});

    const FileOnDisk now = lookAt(ui.files, fileName);
    // Only the file this catalogue was loaded from or saved to can have been
    // changed behind its back; Save As has asked before replacing another.
    if (catalogue.onDisk.path == fileName && changedSince(catalogue.onDisk, now)) {
        const platform::Answer answer = show(ui.messages, changedOnDiskQuestion(fileName));
        if (answer == platform::Answer::No) {
            stop();
            if (ui.saveAs) ui.saveAs();
            return !catalogue.changed;
        }
        if (answer != platform::Answer::Yes) return stop();
    }
    if (!keepBackup(now, fileName, ui)) return stop();

    const std::string bytes = encodeCatalogue(catalogue, plan);
    const platform::ReplaceResult written = ui.files.replaceWhole(fileName, bytes);
    if (written.outcome == platform::ReplaceResult::NotReplaced)
        return fail(problemOf(written, FileProblem::NotSaved, fileName));

    // The file now holds the purged catalogue; memory follows it.
    applyPurge(catalogue, plan);
    platform::FileInfo info;
    const bool described = ui.files.status(fileName, true, info) == 0;
    catalogue.onDisk = stampOf(fileName, described, info, bytes);
    holdFile(fileName, ui);  // the new file, which a lock on the replaced one does not cover
    if (written.outcome == platform::ReplaceResult::ReplacedUnconfirmed)
        return fail(problemOf(written, FileProblem::SavedUnconfirmed, fileName));

    catalogue.changed = false;
    setFileStatus(ui, "");
    return true;
}

bool confirmSaveChanges(Catalogue& catalogue, StorageUi& ui) {
    if (!catalogue.changed) return false;
    const platform::Answer answer = show(ui.messages, saveChangesQuestion());
    if (answer == platform::Answer::Cancel) return true;
    if (answer != platform::Answer::Yes) return false;  // No: the changes are dropped
    if (catalogue.fileName.empty()) {
        // Save As asks for a name and saves. When the dialog was cancelled or
        // its save failed (and said so), the changes are still unsaved: keep
        // the program open rather than save again or drop them.
        if (ui.saveAs) ui.saveAs();
        return catalogue.changed;
    }
    return !saveCatalogue(catalogue, ui);
}

bool createEmptyCatalogueFile(const platform::SystemPath& path, StorageUi& ui) {
    platform::FileInfo info;
    const int error = ui.files.status(path, true, info);
    if (error == 0 && (!info.isRegular || info.size > 0)) return true;  // there is something: loading judges it
    if (error != 0 && error != ENOENT) {
        tell(ui, {FileProblem::NotCreated, path, {}, std::strerror(error), {}});
        return false;
    }
    const platform::ReplaceResult written = ui.files.replaceWhole(path, FileMagic);
    if (written.outcome != platform::ReplaceResult::NotReplaced) return true;
    tell(ui, problemOf(written, FileProblem::NotCreated, path));
    return false;
}
