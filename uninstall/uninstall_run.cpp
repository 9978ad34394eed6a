#include "uninstall/uninstall_run.h"

#include <filesystem>
#include <vector>

#include "platform/executable_suffix.h"
#include "platform/system/file_key_store.h"

namespace fs = std::filesystem;

namespace {

// The product's files, deleted in this order. The uninstaller itself is not
// among them: it is running, and stays with the folder.
std::vector<std::string> productFiles() {
    return {std::string("quorvels") + platform::ExecutableSuffix, "quorvels.hlp", "quorvels.cnt", "quorvels.ico",
            "quorvels.gid", std::string("install") + platform::ExecutableSuffix};
}

const std::string entryKey = std::string(platform::UninstallParentKey) + "\\" + UninstallEntryKey;

// The entry's uninstaller path, or "" when there is no entry. Removes the entry.
std::string takeUninstallEntry(platform::KeyStore& keys) {
    if (!keys.keyExists(platform::UninstallParentKey)) return "";
    const std::string command = keys.queryString(entryKey, "Uninstallstring").value_or("");
    keys.deleteKey(entryKey);
    return command;
}

// An entry is trusted only when it is an absolute path to a file that is
// there: a stale or altered entry must not make us delete elsewhere.
bool trusted(const std::string& uninstallerPath) {
    std::error_code error;
    return !uninstallerPath.empty() && uninstallerPath.front() == '/' && fs::is_regular_file(uninstallerPath, error);
}

// Deletes a file when it is there; false when it is there and stays. A
// folder of the same name is not one of our files and is passed over.
bool deleteIfPresent(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (!fs::exists(status) || fs::is_directory(status)) return true;
    return fs::remove(path, error) && !error;
}

}  // namespace

void runUninstall(UninstallServices& services) {
    const std::string question = std::string("Uninstall ") + ProductName + " now?";
    if (services.messages.messageBox(question, ProductName, platform::Buttons::YesNo, platform::Icon::Question) !=
        platform::Answer::Yes)
        return;

    const std::string uninstaller = takeUninstallEntry(services.keys);
    std::string folder = uninstaller.substr(0, uninstaller.rfind('/') + 1);  // "" when there is no "/"
    std::vector<std::string> notDeleted;
    const bool folderTrusted = uninstaller.empty() || trusted(uninstaller);

    if (folderTrusted) {
        const std::string lookIn = folder.empty() ? services.currentFolder + "/" : folder;
        for (const std::string& name : productFiles())
            if (!deleteIfPresent(lookIn + name)) notDeleted.push_back(lookIn + name);
    }
    for (const std::string& shortcutFolder : {services.desktopFolder, services.programsFolder}) {
        const std::string shortcut = shortcutFolder + "/" + ShortcutFileName;
        if (!deleteIfPresent(shortcut)) notDeleted.push_back(shortcut);
    }

    std::string text;
    if (!folderTrusted) {
        text = std::string("The uninstall entry names \"") + uninstaller +
               "\", which is not this product's uninstaller, so no program file was deleted there.\r\n"
               "The uninstall entry and the shortcuts were removed.\r\n\r\n";
        folder.clear();
    } else if (!notDeleted.empty()) {
        text = std::string(ProductName) + " has been uninstalled, but these files could not be deleted:";
        for (const std::string& path : notDeleted) text += "\r\n" + path;
        text += "\r\n\r\n";
    } else {
        text = std::string(ProductName) + " has been successfully uninstalled...\r\n\r\n";
    }
    text += "You can now delete the rest of the folder manually:\r\n" + folder;
    services.messages.messageBox(text, "Uninstall Quorvels", platform::Buttons::Ok, platform::Icon::Information);
}
