#pragma once

#include <string>

namespace platform {

// The process's working folder; "." when its path cannot be read (the
// folder was deleted under it), which still names it for the file calls.
std::string currentFolder();

// The user's folders, as the freedesktop conventions place them. Each ends
// without a final "/".
std::string homeFolder();
std::string configFolder();    // $XDG_CONFIG_HOME, else ~/.config
std::string dataFolder();      // $XDG_DATA_HOME, else ~/.local/share
std::string desktopFolder();   // XDG_DESKTOP_DIR from user-dirs.dirs, else ~/Desktop
std::string programsFolder();  // the program menu: dataFolder() + "/applications"

}  // namespace platform
