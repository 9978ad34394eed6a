#include "mainwindow/storage_dialogue.h"

#include "mainwindow/file_messages.h"
#include "storage/catalogue_file.h"
#include "storage/settings_file.h"

namespace {

void showProgress(StorageDialogue& dialogue, const std::string& text) {
    if (dialogue.showProgress) dialogue.showProgress(text);
}

platform::Answer tell(StorageDialogue& dialogue, const FileProblem& problem) {
    return show(dialogue.messages, messageFor(problem));
}

// Holds the file now named, whoever else holds it; returns whether someone does.
bool holdFile(StorageDialogue& dialogue, const platform::SystemPath& fileName) {
    return dialogue.hold != nullptr && holdCatalogueFile(dialogue.files, fileName, *dialogue.hold);
}

}  // namespace

bool loadCatalogueTelling(Catalogue& catalogue, OpenedFile& file, StorageDialogue& dialogue,
                          const platform::SystemPath& previousPath) {
    return loadTelling(file, dialogue, [&] { return loadCatalogue(catalogue, file, dialogue.files, previousPath); });
}

bool loadTelling(const OpenedFile& file, StorageDialogue& dialogue, const std::function<LoadOutcome()>& load) {
    if (!file.path.empty()) showProgress(dialogue, OpeningStatus);
    const LoadOutcome outcome = load();
    if (outcome.problem) tell(dialogue, *outcome.problem);
    showProgress(dialogue, "");
    if (!outcome.loaded) return false;
    if (holdFile(dialogue, file.path)) show(dialogue.messages, openElsewhereNotice(file.path));
    return true;
}

bool saveCatalogueAsking(Catalogue& catalogue, OpenedFile& file, StorageDialogue& dialogue) {
    showProgress(dialogue, SavingStatus);
    if (!catalogue.books.changed) {
        showProgress(dialogue, "");
        return true;
    }
    const SaveLook look = lookAtCatalogueFile(catalogue, file, dialogue.files);
    const FileForm formBefore = file.form;
    SaveChoices choices;
    for (;;) {
        const SaveOutcome outcome = saveCatalogue(catalogue, file, dialogue.files, look, choices);
        if (outcome.result == SaveOutcome::NeedsAnswer) {
            const platform::Answer answer = tell(dialogue, outcome.problem);
            const bool changedElsewhere = outcome.problem.what == FileProblem::ChangedElsewhere;
            if (answer == platform::Answer::Yes) {
                (changedElsewhere ? choices.overwriteChanged : choices.withoutBackup) = true;
                continue;
            }
            // No to a changed file saves under another name; any other
            // refusal writes nothing.
            showProgress(dialogue, "");
            if (!changedElsewhere || answer != platform::Answer::No) return false;
            if (dialogue.saveAs) dialogue.saveAs();
            return !catalogue.books.changed;
        }
        // The new file, which a lock on the replaced one does not cover.
        if (outcome.result != SaveOutcome::NotSaved) holdFile(dialogue, file.path);
        if (outcome.result != SaveOutcome::Saved) tell(dialogue, outcome.problem);
        if (outcome.result != SaveOutcome::NotSaved && formBefore == FileForm::Old && file.form == FileForm::New)
            show(dialogue.messages, newFormNotice(file.path));
        showProgress(dialogue, "");
        return outcome.result == SaveOutcome::Saved;
    }
}

bool confirmSaveChanges(Catalogue& catalogue, OpenedFile& file, StorageDialogue& dialogue) {
    if (!catalogue.books.changed) return false;
    const platform::Answer answer = show(dialogue.messages, saveChangesQuestion());
    if (answer == platform::Answer::Cancel) return true;
    if (answer != platform::Answer::Yes) return false;  // No: the changes are dropped
    if (file.path.empty()) {
        // Save As asks for a name and saves. When the dialog was cancelled or
        // its save failed (and said so), the changes are still unsaved: keep
        // the program open rather than save again or drop them.
        if (dialogue.saveAs) dialogue.saveAs();
        return catalogue.books.changed;
    }
    return !saveCatalogueAsking(catalogue, file, dialogue);
}

bool createEmptyCatalogueFileTelling(const platform::SystemPath& path, StorageDialogue& dialogue) {
    const auto problem = createEmptyCatalogueFile(path, dialogue.files);
    if (problem) tell(dialogue, *problem);
    return !problem;
}

bool writeSettingsTelling(const OpenedFile& file, const platform::SystemPath& startDirectory,
                          StorageDialogue& dialogue) {
    const auto problem = writeSettings(file, startDirectory, dialogue.files);
    if (problem) tell(dialogue, *problem);
    return !problem;
}
