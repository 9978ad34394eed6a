#pragma once

#include <string>
#include <vector>

#include "platform/system_path.h"

// The product's files as they lie in an install folder, one list for the
// installer, which copies them, and the uninstaller, which deletes them.

// The catalogue program and the uninstaller, under their system names.
std::string programFileName();
std::string uninstallerFileName();

// The files the installer copies, in this order, from its own folder.
std::vector<std::string> installedFiles();

// The help viewer's index, which it may leave hidden beside the help file:
// the uninstaller clears its attributes before deleting it.
inline constexpr const char* HelpIndexFileName = "quorvels.gid";

// The product file `name` in `folder`. The names are plain ASCII: the same
// bytes as a text and as the system's name.
platform::SystemPath productFileIn(const platform::SystemPath& folder, const std::string& name);

// What the uninstaller deletes, in this order: the installed files except
// itself (it is running, and stays with the folder), then what the program
// and the installer may have left beside them.
std::vector<std::string> filesToUninstall();

// The name the product goes by on the desktop: its shortcuts, its uninstall
// entry's display name and its default install folder.
inline constexpr const char* ProductDesktopName = "Folimarch";
