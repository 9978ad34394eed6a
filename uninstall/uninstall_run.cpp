#include "uninstall/uninstall_run.h"

#include <vector>

#include "install/product_files.h"
#include "platform/path_form.h"

namespace {

const std::string entryKey = std::string(platform::UninstallParentKey) + "\\" + UninstallEntryKey;

// The entry's uninstaller path, as the installer wrote its system name, or none
// when there is no entry.
platform::SystemPath readUninstallEntry(const platform::KeyStore& keys) {
    if (!keys.keyExists(platform::UninstallParentKey)) return {};
    return platform::SystemPath::fromSystem(keys.queryString(entryKey, "Uninstallstring").value_or(""));
}

// An entry is trusted only when it is an absolute path to our uninstaller
// and that file is there: a stale or altered entry must not make us delete
// files called "install" or "quorvels" in some other folder.
bool trusted(platform::InstallFiles& files, const platform::SystemPath& uninstallerPath) {
    return platform::isAbsolutePath(uninstallerPath) &&
           platform::fileNameOf(uninstallerPath).systemBytes() == uninstallerFileName() &&
           files.isFile(uninstallerPath);
}

}  // namespace

void runUninstall(UninstallServices& services) {
    const std::string question = std::string("Uninstall ") + ProductName + " now?";
    if (services.messages.messageBox(question, ProductName, platform::Buttons::YesNo, platform::Icon::Question) !=
        platform::Answer::Yes)
        return;

    const platform::SystemPath uninstaller = readUninstallEntry(services.keys);
    std::vector<std::string> notDeleted;  // as shown
    services.keys.deleteKey(entryKey);
    if (services.keys.keyExists(entryKey)) notDeleted.push_back("the uninstall entry");

    const platform::SystemPath folder = platform::folderOf(uninstaller);  // "" when it names no folder
    const bool folderTrusted = uninstaller.empty() || trusted(services.files, uninstaller);
    if (folderTrusted) {
        const platform::SystemPath& lookIn = folder.empty() ? services.currentFolder : folder;
        for (const std::string& name : filesToUninstall()) {
            const platform::SystemPath file = productFileIn(lookIn, name);
            if (name == HelpIndexFileName) services.files.clearAttributes(file);
            if (!services.files.removeIfPresent(file)) notDeleted.push_back(platform::shownPath(file));
        }
    }
    for (const platform::SystemPath& shortcutFolder : {services.desktopFolder, services.programsFolder}) {
        const platform::SystemPath shortcut = services.files.shortcutPath(shortcutFolder, ProductDesktopName);
        if (!services.files.removeIfPresent(shortcut)) notDeleted.push_back(platform::shownPath(shortcut));
    }

    std::string text;
    if (!folderTrusted)
        text = "The uninstall entry pointed to \"" + platform::shownPath(uninstaller) +
               "\", which is not the uninstaller of " + ProductName + ", so no file was deleted in that folder.";
    else if (notDeleted.empty())
        text = std::string(ProductName) + " has been successfully uninstalled...";
    else
        text = std::string(ProductName) + " has been uninstalled.";
    if (!notDeleted.empty()) {
        text += "\r\n\r\nThese could not be deleted:";
        for (const std::string& item : notDeleted) text += "\r\n" + item;
    }
    if (folderTrusted)
        text += "\r\n\r\nYou can now delete the rest of the folder manually:\r\n" + platform::shownPath(folder);
    const bool complete = folderTrusted && notDeleted.empty();
    services.messages.messageBox(text, "Uninstall Quorvels", platform::Buttons::Ok,
                                 complete ? platform::Icon::Information : platform::Icon::Exclamation);
}
