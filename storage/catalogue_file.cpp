#include "storage/catalogue_file.h"

#include <cerrno>
#include <cstring>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "storage/atomic_file.h"
#include "storage/catalogue_codec.h"

namespace {

const std::string LineEnd = "\r\n";

void setFileStatus(StorageUi& ui, const std::string& text) {
    if (ui.setStatus) ui.setStatus(FileStatusField, text);
}

void tell(StorageUi& ui, const std::string& text, const std::string& caption, platform::Icon icon) {
    ui.messages.messageBox(text, caption, platform::Buttons::Ok, icon);
}

std::string fileLine(const platform::SystemPath& fileName) {
    return "File Name: " + platform::shownPath(fileName) + LineEnd;
}

// The file a link leads to, named when it differs from the name the user knows.
std::string targetLine(const platform::SystemPath& fileName, const platform::SystemPath& target) {
    if (target.empty() || target == fileName) return {};
    return "Linked file: " + platform::shownPath(target) + LineEnd;
}

const std::string NothingWritten = "Nothing was written and the changes are kept.";

bool refuseLoad(Catalogue& catalogue, StorageUi& ui, const platform::SystemPath& previousFileName,
                const std::string& text, const std::string& caption) {
    tell(ui, text, caption, platform::Icon::Exclamation);
    catalogue.fileName = previousFileName;
    setFileStatus(ui, "");
    return false;
}

}  // namespace

bool loadCatalogue(Catalogue& catalogue, StorageUi& ui, const platform::SystemPath& previousFileName) {
    if (!catalogue.fileName.empty()) {
        const platform::SystemPath fileName = catalogue.fileName;
        setFileStatus(ui, "Opening file...");

        std::string bytes;
        if (const int error = ui.files.readFile(fileName, MaxCatalogueFileBytes, bytes); error != 0) {
            const std::string reason = error == EINVAL ? "it is not a regular file" : std::strerror(error);
            return refuseLoad(catalogue, ui, previousFileName,
                              fileLine(fileName) + "The file could not be read: " + reason + "." + LineEnd +
                                  "Nothing was loaded.",
                              "File Error");
        }

        Catalogue loaded;
        const DecodeResult result = decodeCatalogue(bytes, loaded);
        if (result.status == DecodeResult::WrongMagic)
            return refuseLoad(catalogue, ui, previousFileName,
                              fileLine(fileName) + "Wrong version of Books Program" + std::string(12, ' '),
                              "Data Error");
        if (result.status == DecodeResult::Damaged)
            return refuseLoad(catalogue, ui, previousFileName,
                              fileLine(fileName) + "The file is damaged: " + result.problem + "." + LineEnd +
                                  "Nothing was loaded.",
                              "Data Error");

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
    setFileStatus(ui, "Saving file...");
    if (!catalogue.changed) {
        setFileStatus(ui, "");
        return true;
    }
    auto fail = [&](const std::string& text) {
        ui.messages.messageBox(text, "File Error", platform::Buttons::Ok, platform::Icon::Stop);
        setFileStatus(ui, "");
        return false;
    };
    const platform::SystemPath fileName = catalogue.fileName;
    if (fileName.empty())
        return fail("The catalogue has no file name yet; use Save As to choose one." + LineEnd + NothingWritten);

    const PurgePlan plan = planPurge(catalogue);
    if (!plan.problem.empty())
        return fail(fileLine(fileName) + "The catalogue could not be saved: " + plan.problem + "." + LineEnd +
                    NothingWritten);

    const AtomicWriteResult written = writeFileAtomically(ui.files, fileName, encodeCatalogue(catalogue, plan));
    if (written.outcome == AtomicWriteResult::NotWritten)
        return fail(fileLine(fileName) + targetLine(fileName, written.target) +
                    "The catalogue could not be saved: " + written.reason + "." + LineEnd + NothingWritten);

    // The file now holds the purged catalogue; memory follows it.
    applyPurge(catalogue, plan);
    if (written.outcome == AtomicWriteResult::WrittenUnconfirmed)
        return fail(fileLine(fileName) + targetLine(fileName, written.target) +
                    "The catalogue was written, but the system could not confirm that it is safely on the disk: " +
                    written.reason + "." + LineEnd + "The changes still count as unsaved; save again to be sure.");

    catalogue.changed = false;
    setFileStatus(ui, "");
    return true;
}

bool confirmSaveChanges(Catalogue& catalogue, StorageUi& ui) {
    if (!catalogue.changed) return false;
    const platform::Answer answer =
        ui.messages.messageBox("File records have changed..." + LineEnd + "do you want to save them?", "Save File",
                               platform::Buttons::YesNoCancel, platform::Icon::Question);
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
    AtomicWriteResult written;
    if (error != 0 && error != ENOENT) {
        written.outcome = AtomicWriteResult::NotWritten;
        written.reason = std::strerror(error);
    } else {
        written = writeFileAtomically(ui.files, path, FileMagic);
    }
    if (written.outcome != AtomicWriteResult::NotWritten) return true;
    ui.messages.messageBox(fileLine(path) + targetLine(path, written.target) +
                               "The new catalogue file could not be created: " + written.reason + ".",
                           "File Error", platform::Buttons::Ok, platform::Icon::Stop);
    return false;
}
