#pragma once

#include <string>

#include "platform/message_box.h"
#include "storage/file_problem.h"

// The words of everything storage tells or asks the user, in one place.

// A message box's contents.
struct UserMessage {
    std::string text;
    std::string caption;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
};

// The box that reports a problem (one OK button).
UserMessage messageFor(const FileProblem& problem);

// The question before unsaved changes would be lost (Yes, No, Cancel).
UserMessage saveChangesQuestion();

// Before a save over a file that another program has changed since it was
// opened or last saved (Yes saves over it, No goes to Save As, Cancel).
UserMessage changedOnDiskQuestion(const platform::SystemPath& fileName);

// When the file a save replaces could not be kept as its backup (Yes saves
// all the same, No writes nothing).
UserMessage backupNotKeptQuestion(const platform::SystemPath& fileName, const platform::SystemPath& backupName,
                                  const std::string& reason);

// After a catalogue was opened that another copy of the program has open.
UserMessage openElsewhereNotice(const platform::SystemPath& fileName);

// Shows the message and returns the user's answer.
platform::Answer show(platform::MessageBoxes& messages, const UserMessage& message);

// The file status texts while a catalogue is read and written.
inline constexpr const char* OpeningStatus = "Opening file...";
inline constexpr const char* SavingStatus = "Saving file...";
