#pragma once

#include <string>

namespace platform {

// What a shortcut starts: the Linux form of a shell link is a freedesktop
// desktop entry.
struct Shortcut {
    std::string name;           // shown by the desktop
    std::string target;         // the program it runs, a full path
    std::string workingFolder;  // the folder it runs in
};

// Writes (or replaces) the desktop entry at `path`, marked executable so that
// desktops start it. Returns "" on success, else the system's reason.
std::string writeDesktopEntry(const std::string& path, const Shortcut& shortcut);

}  // namespace platform
