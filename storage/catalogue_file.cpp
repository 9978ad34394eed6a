#include "storage/catalogue_file.h"

#include <cerrno>
#include <cstring>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_messages.h"

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

}  // namespace

bool loadCatalogue(Catalogue& catalogue, StorageUi& ui, const platform::SystemPath& previousFileName) {
    if (!catalogue.fileName.empty()) {
        const platform::SystemPath fileName = catalogue.fileName;
        setFileStatus(ui, OpeningStatus);

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
    return !catalogue.fileName.empty();
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
    const platform::SystemPath fileName = catalogue.fileName;
    if (fileName.empty())
        return fail({FileProblem::NoFileName, fileName, {}, {}, {}});

    const PurgePlan plan = planPurge(catalogue);
    if (!plan.problem.empty())
        return fail({FileProblem::NotSaved, fileName, {}, plan.problem, {}});

    const platform::ReplaceResult written = ui.files.replaceWhole(fileName, encodeCatalogue(catalogue, plan));
    if (written.outcome == platform::ReplaceResult::NotReplaced)
        return fail(problemOf(written, FileProblem::NotSaved, fileName));

    // The file now holds the purged catalogue; memory follows it.
    applyPurge(catalogue, plan);
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
