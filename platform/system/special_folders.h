#pragma once

#include <string>

namespace platform {

// The user's folders, as the freedesktop conventions place them. Each ends
// without a final "/".
std::string homeFolder();
std::string configFolder();    // $XDG_CONFIG_HOME, else ~/.config
std::string dataFolder();      // $XDG_DATA_HOME, else ~/.local/share
std::string desktopFolder();   // XDG_DESKTOP_DIR from user-dirs.dirs, else ~/Desktop
std::string programsFolder();  // the program menu: dataFolder() + "/applications"

}  // namespace platform
