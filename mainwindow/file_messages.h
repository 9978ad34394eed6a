#pragma once

#include <string>

#include "platform/message_box.h"
#include "storage/file_problem.h"

// The words of everything the main window tells or asks about its files, in
// one place.

// A message box's contents.
struct UserMessage {
    std::string text;
    std::string caption;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
};

// The box that reports a problem (one OK button), or asks about what stands
// in the way of a save: ChangedElsewhere (Yes saves over it, No goes to Save
// As, Cancel) and BackupNotKept (Yes saves all the same, No writes nothing).
UserMessage messageFor(const FileProblem& problem);

// The question before unsaved changes would be lost (Yes, No, Cancel).
UserMessage saveChangesQuestion();

// After a catalogue was opened that another copy of the program has open.
UserMessage openElsewhereNotice(const platform::SystemPath& fileName);

// After the first save of a catalogue in the new form of the file.
UserMessage newFormNotice(const platform::SystemPath& fileName);

// Before Save As writes the old form, when `texts` texts hold letters it
// cannot (Yes, No).
UserMessage oldFormQuestion(int texts);

// Shows the message and returns the user's answer.
platform::Answer show(platform::MessageBoxes& messages, const UserMessage& message);

// The file status texts while a catalogue is read and written.
inline constexpr const char* OpeningStatus = "Opening file...";
inline constexpr const char* SavingStatus = "Saving file...";
