#pragma once

#include <string>

#include "platform/system_path.h"

// What went wrong with a catalogue or settings file, or what stands in the
// way of a save, as storage found it. The main window words it for the user.
struct FileProblem {
    enum What {
        NotRead,             // the catalogue file could not be read
        WrongVersion,        // it starts with neither FileMagic nor NewFormMagic
        Damaged,             // its contents contradict themselves
        NoFileName,          // a save of a catalogue that has no name yet
        NotSaved,            // the catalogue could not be written; the file is untouched
        SavedUnconfirmed,    // written, but the system could not confirm it is on the disk
        NotCreated,          // the new, empty catalogue file could not be created
        SettingsNotWritten,  // the settings file could not be replaced
        ChangedElsewhere,    // another program has changed the file since it was loaded or saved
        BackupNotKept,       // the file a save replaces could not be kept as `target`, its backup
    };
    What what = NotRead;
    platform::SystemPath file;       // the file as the user named it
    platform::SystemPath target;     // the file a link led to ("" or file when none); BackupNotKept: the backup
    std::string reason;              // the system's or the codec's reason, a sentence fragment
    platform::SystemPath catalogue;  // SettingsNotWritten: the catalogue the next start will not open
};
