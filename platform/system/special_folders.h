#pragma once

#include "platform/system_path.h"

namespace platform {

// The process's working folder; "." when its path cannot be read (the
// folder was deleted under it), which still names it for the file calls.
SystemPath currentFolder();

// The user's folders, as the freedesktop conventions place them and the
// system names them. Each ends without a final "/".
SystemPath homeFolder();
SystemPath configFolder();    // $XDG_CONFIG_HOME, else ~/.config
SystemPath dataFolder();      // $XDG_DATA_HOME, else ~/.local/share
SystemPath desktopFolder();   // XDG_DESKTOP_DIR from user-dirs.dirs, else ~/Desktop
SystemPath programsFolder();  // the program menu: dataFolder() + "/applications"

}  // namespace platform
