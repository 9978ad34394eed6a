#pragma once

#include <string>
#include <vector>

#include "platform/key_store.h"
#include "platform/message_box.h"

// Where the installer copies from and to, and what it talks to. Folders are
// Windows-1252 texts, like everything the user sees.
struct InstallServices {
    platform::MessageBoxes& messages;
    platform::KeyStore& keys;
    std::string sourceFolder;    // the installer's current folder
    std::string homeFolder;      // for a folder typed as "~/..."
    std::string dataFolder;      // the user's data folder, home of the default install folder
    std::string desktopFolder;
    std::string programsFolder;
};

// What the user chose in the install dialog.
struct InstallChoice {
    std::string folderText;
    bool desktopShortcut = true;
    bool menuShortcut = true;
};

// The product's files, copied in this order from the source folder.
std::vector<std::string> installFiles();

// The folder the dialog offers at first: the user's own data folder.
std::string defaultInstallFolder(const std::string& dataFolder);

// The folder the typed text names, absolute and ending in "/".
std::string installFolderOf(const InstallChoice& choice, const InstallServices& services);

// Writes a desktop entry for the installed program into `folder`; "" or the reason it failed.
std::string createShortcut(const std::string& folder, const std::string& installFolder);

// Checks that every product file is there, copies them, registers the
// uninstall entry, creates the chosen shortcuts and reports the outcome.
void runInstall(InstallServices& services, const InstallChoice& choice);
