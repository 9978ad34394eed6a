#pragma once

#include <string>

#include "platform/system_path.h"

namespace platform {

// What a shortcut starts: the Linux form of a shell link is a freedesktop
// desktop entry, a UTF-8 file, which takes the paths as the system names them.
struct Shortcut {
    std::string name;          // shown by the desktop; ASCII
    SystemPath target;         // the program it runs, a full path
    SystemPath workingFolder;  // the folder it runs in
};

// Writes (or replaces) the desktop entry at `path`, marked executable so that
// desktops start it. Returns "" on success, else the system's reason.
std::string writeDesktopEntry(const SystemPath& path, const Shortcut& shortcut);

}  // namespace platform
