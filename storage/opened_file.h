#pragma once

#include "platform/system_path.h"
#include "storage/file_form.h"
#include "storage/file_on_disk.h"

// The catalogue's file: the path it is loaded from and saved to (empty when
// it has none yet), and what that file was when last loaded or saved. The
// program keeps it beside the catalogue, which knows nothing of files.
struct OpenedFile {
    platform::SystemPath path;
    FileStamp onDisk;
    // The form of the file as last loaded or saved; a catalogue without a
    // file counts as Old, so that its first save in the New form is told.
    FileForm form = FileForm::Old;
};
