#include "mainwindow/file_messages.h"

#include "platform/system_path.h"

namespace {

using platform::Icon;

const std::string LineEnd = "\r\n";
const std::string NothingWritten = "Nothing was written and the changes are kept.";
const std::string NothingLoaded = "Nothing was loaded.";

std::string fileLine(const platform::SystemPath& fileName) {
    return "File Name: " + platform::shownPath(fileName) + LineEnd;
}

// The file a link leads to, named when it differs from the name the user knows.
std::string targetLine(const FileProblem& problem) {
    if (problem.target.empty() || problem.target == problem.file) return {};
    return "Linked file: " + platform::shownPath(problem.target) + LineEnd;
}

UserMessage tell(std::string text, std::string caption, Icon icon) {
    return {std::move(text), std::move(caption), platform::Buttons::Ok, icon};
}

UserMessage changedOnDiskQuestion(const platform::SystemPath& fileName) {
    return {fileLine(fileName) + "The file has been changed by another program since it was opened or last saved." +
                LineEnd + "Yes saves over it, No saves under another name, Cancel keeps the changes unsaved.",
            "Save File", platform::Buttons::YesNoCancel, Icon::Exclamation};
}

UserMessage backupNotKeptQuestion(const platform::SystemPath& fileName, const platform::SystemPath& backupName,
                                  const std::string& reason) {
    return {fileLine(fileName) + "The file could not be kept as the backup " + platform::shownPath(backupName) + ": " +
                reason + "." + LineEnd +
                "Save all the same, without a backup? No writes nothing and keeps the changes unsaved.",
            "Save File", platform::Buttons::YesNo, Icon::Exclamation};
}

}  // namespace

UserMessage messageFor(const FileProblem& problem) {
    const std::string& reason = problem.reason;
    switch (problem.what) {
        case FileProblem::NotRead:
            return tell(
                fileLine(problem.file) + "The file could not be read: " + reason + "." + LineEnd + NothingLoaded,
                "File Error", Icon::Exclamation);
        case FileProblem::WrongVersion:
            return tell(fileLine(problem.file) + "Wrong version of Books Program" + std::string(12, ' '), "Data Error",
                        Icon::Exclamation);
        case FileProblem::Damaged:
            return tell(fileLine(problem.file) + "The file is damaged: " + reason + "." + LineEnd + NothingLoaded,
                        "Data Error", Icon::Exclamation);
        case FileProblem::NoFileName:
            return tell("The catalogue has no file name yet; use Save As to choose one." + LineEnd + NothingWritten,
                        "File Error", Icon::Stop);
        case FileProblem::NotSaved:
            return tell(fileLine(problem.file) + targetLine(problem) + "The catalogue could not be saved: " + reason +
                            "." + LineEnd + NothingWritten,
                        "File Error", Icon::Stop);
        case FileProblem::SavedUnconfirmed:
            return tell(
                fileLine(problem.file) + targetLine(problem) +
                    "The catalogue was written, but the system could not confirm that it is safely on the disk: " +
                    reason + "." + LineEnd + "The changes still count as unsaved; save again to be sure.",
                "File Error", Icon::Stop);
        case FileProblem::NotCreated:
            return tell(fileLine(problem.file) + targetLine(problem) +
                            "The new catalogue file could not be created: " + reason + ".",
                        "File Error", Icon::Stop);
        case FileProblem::SettingsNotWritten:
            return tell(fileLine(problem.file) + "The settings file could not be written: " + reason + "." + LineEnd +
                            "The catalogue " + platform::shownPath(problem.catalogue) +
                            " will not be opened at the next start.",
                        "File Error", Icon::Exclamation);
        case FileProblem::ChangedElsewhere: return changedOnDiskQuestion(problem.file);
        case FileProblem::BackupNotKept: return backupNotKeptQuestion(problem.file, problem.target, reason);
    }
    return {};
}

UserMessage saveChangesQuestion() {
    return {"File records have changed..." + LineEnd + "do you want to save them?", "Save File",
            platform::Buttons::YesNoCancel, Icon::Question};
}

UserMessage openElsewhereNotice(const platform::SystemPath& fileName) {
    return tell(platform::shownPath(fileName) + " is open in another Quorvels window." + LineEnd +
                    "Changes saved here may overwrite changes saved there.",
                "Open File", Icon::Exclamation);
}

UserMessage newFormNotice(const platform::SystemPath& fileName) {
    return tell(fileLine(fileName) +
                    "The catalogue now holds letters that a \"Quorvels 2.00\" file cannot hold, so it is saved in a "
                    "newer form, which older copies of Quorvels cannot open." +
                    LineEnd +
                    "To keep a copy they can open, use Save As with the file type \"Quorvels 2.00 catalogue\".",
                "Save File", Icon::Information);
}

UserMessage oldFormQuestion(int texts) {
    return {std::to_string(texts) + (texts == 1 ? " text holds" : " texts hold") +
                " letters that a \"Quorvels 2.00\" file cannot hold. Saved in that form, each such letter becomes "
                "its nearest plain letter, or \"?\" where there is none, and the catalogue keeps the changed texts." +
                LineEnd + "Save in the older form?",
            "Save File", platform::Buttons::YesNo, Icon::Question};
}

platform::Answer show(platform::MessageBoxes& messages, const UserMessage& message) {
    return messages.messageBox(message.text, message.caption, message.buttons, message.icon);
}
