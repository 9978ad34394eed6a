#pragma once

#include <string>

#include "platform/system_path.h"

// What went wrong with a catalogue or settings file, as storage found it.
// storage/catalogue_messages.h turns it into the words the user reads.
struct FileProblem {
    enum What {
        NotRead,             // the catalogue file could not be read
        WrongVersion,        // it does not start with FileMagic
        Damaged,             // its contents contradict themselves
        NoFileName,          // a save of a catalogue that has no name yet
        NotSaved,            // the catalogue could not be written; the file is untouched
        SavedUnconfirmed,    // written, but the system could not confirm it is on the disk
        NotCreated,          // the new, empty catalogue file could not be created
        SettingsNotWritten,  // the settings file could not be replaced
    };
    What what = NotRead;
    platform::SystemPath file;       // the file as the user named it
    platform::SystemPath target;     // the file a link led to ("" or file when none)
    std::string reason;              // the system's or the codec's reason, a sentence fragment
    platform::SystemPath catalogue;  // SettingsNotWritten: the catalogue the next start will not open
};
