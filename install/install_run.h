#pragma once

#include <string>

#include "platform/install_files.h"
#include "platform/key_store.h"
#include "platform/message_box.h"
#include "platform/system_path.h"

// Where the installer copies from and to, and what it talks to. Folders are
// the system's own names, and are shown in messages through
// platform::shownPath.
struct InstallServices {
    platform::MessageBoxes& messages;
    platform::KeyStore& keys;
    platform::InstallFiles& files;
    platform::SystemPath sourceFolder;         // the installer's current folder
    platform::SystemPath homeFolder;           // for a folder typed as "~/..."
    platform::SystemPath installParentFolder;  // where the default install folder is made
    platform::SystemPath desktopFolder;
    platform::SystemPath programsFolder;
};

// What the user chose in the install dialog.
struct InstallChoice {
    platform::SystemPath typedFolder;  // as typed: absolute, "~/..." or relative to the source folder
    bool desktopShortcut = true;
    bool menuShortcut = true;
};

// The folder the dialog offers at first: the product's folder in the folder
// programs are installed in.
platform::SystemPath defaultInstallFolder(const platform::SystemPath& installParentFolder);

// The folder the typed text names, absolute and ending in "/".
platform::SystemPath installFolderOf(const InstallChoice& choice, const InstallServices& services);

// Writes a shortcut to the installed program into `folder`; "" or the reason it failed.
std::string createShortcut(platform::InstallFiles& files, const platform::SystemPath& folder,
                           const platform::SystemPath& installFolder);

// Checks that every product file is there, copies them, registers the
// uninstall entry, creates the chosen shortcuts and reports the outcome.
void runInstall(InstallServices& services, const InstallChoice& choice);
