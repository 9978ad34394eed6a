#pragma once

#include "platform/system_path.h"

namespace platform {

// The user's folders as the freedesktop conventions place them, each
// without a final "/".
SystemPath configFolder();  // $XDG_CONFIG_HOME, else ~/.config
SystemPath dataFolder();    // $XDG_DATA_HOME, else ~/.local/share

}  // namespace platform
