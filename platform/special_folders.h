#pragma once

#include "platform/system_path.h"

namespace platform {

// The process's working folder; "." when its path cannot be read (the
// folder was deleted under it), which still names it for the file calls.
SystemPath currentFolder();

// The program file this process runs, as the system names it, links
// resolved; "" when the system cannot tell.
SystemPath programFile();

// The folders the installer works with, as the system names them, each
// without a final separator: the user's home; the folder programs are
// installed in (the user's data folder on Linux, Program Files on Windows);
// the desktop and the program menu.
SystemPath homeFolder();
SystemPath installParentFolder();
SystemPath desktopFolder();
SystemPath programsFolder();

}  // namespace platform
