#pragma once

#include <string>

#include "platform/install_files.h"
#include "platform/key_store.h"
#include "platform/message_box.h"
#include "platform/system_path.h"

// Where the uninstaller looks and what it talks to. Folders are the
// system's own names, and are shown in messages through platform::shownPath.
struct UninstallServices {
    platform::MessageBoxes& messages;
    platform::KeyStore& keys;
    platform::InstallFiles& files;
    platform::SystemPath currentFolder;  // used when there is no uninstall entry
    platform::SystemPath desktopFolder;  // where the installer put its shortcuts
    platform::SystemPath programsFolder;
};

inline constexpr const char* ProductName = "Quillery";
inline constexpr const char* UninstallEntryKey = "Quorvels";

// Asks, then removes the uninstall entry, the product's files in the folder
// the entry names (when it names our uninstaller there) and the two
// shortcuts, and tells the user what is left and what could not be deleted.
void runUninstall(UninstallServices& services);
