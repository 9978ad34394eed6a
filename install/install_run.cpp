#include "install/install_run.h"

#include <vector>

#include "install/product_files.h"
#include "platform/path_form.h"
#include "platform/system_path.h"

namespace {

// "<what>: <why>" lines of everything that went wrong.
void noteFailure(std::vector<std::string>& failures, const std::string& what, const std::string& why) {
    if (!why.empty()) failures.push_back(what + ": " + why);
}

// The entry names the uninstaller by its system name, as the uninstaller reads it back.
std::string registerUninstallEntry(platform::KeyStore& keys, const platform::SystemPath& installFolder) {
    if (!keys.keyExists(platform::UninstallParentKey)) return "the list of installed programs is missing";
    const std::string key = std::string(platform::UninstallParentKey) + "\\Quorvels";
    if (!keys.createKey(key) || !keys.setString(key, "DisplayName", ProductDesktopName) ||
        !keys.setString(key, "UninstallString", productFileIn(installFolder, uninstallerFileName()).systemBytes()))
        return "the list of installed programs cannot be written";
    return "";
}

}  // namespace

platform::SystemPath defaultInstallFolder(const platform::SystemPath& installParentFolder) {
    // The product's name, a text, names the folder: it is plain ASCII.
    return platform::withFinalSeparator(
        platform::inFolder(installParentFolder, platform::SystemPath::fromSystem(ProductDesktopName)));
}

platform::SystemPath installFolderOf(const InstallChoice& choice, const InstallServices& services) {
    const std::string& typed = choice.typedFolder.systemBytes();
    platform::SystemPath folder = choice.typedFolder;
    if (typed == "~" || typed.starts_with("~/"))
        folder = platform::SystemPath::fromSystem(services.homeFolder.systemBytes() + typed.substr(1));
    if (!platform::isAbsolutePath(folder)) folder = platform::inFolder(services.sourceFolder, folder);
    return platform::withFinalSeparator(folder);
}

std::string createShortcut(platform::InstallFiles& files, const platform::SystemPath& folder,
                           const platform::SystemPath& installFolder) {
    return files.createShortcut(folder, ProductDesktopName, productFileIn(installFolder, programFileName()),
                                installFolder);
}

void runInstall(InstallServices& services, const InstallChoice& choice) {
    const platform::SystemPath& source = services.sourceFolder;
    std::string missing;
    for (const std::string& name : installedFiles())
        if (!services.files.isFile(productFileIn(source, name))) missing += "\r\n" + name;
    if (!missing.empty()) {
        services.messages.messageBox("Not all install files are present..." + missing, "", platform::Buttons::Ok,
                                     platform::Icon::None);
        return;
    }

    const platform::SystemPath folder = installFolderOf(choice, services);
    if (const std::string why = services.files.makeFolders(folder); !why.empty()) {
        services.messages.messageBox("The folder " + platform::shownPath(folder) + " could not be created: " + why +
                                         "\r\nNothing was installed.",
                                     "", platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    std::vector<std::string> failures;
    for (const std::string& name : installedFiles())
        noteFailure(failures, "Copying " + name,
                    services.files.copyReplacing(productFileIn(source, name), productFileIn(folder, name)));
    noteFailure(failures, "The uninstall entry", registerUninstallEntry(services.keys, folder));
    if (choice.desktopShortcut)
        noteFailure(failures, "The desktop shortcut", createShortcut(services.files, services.desktopFolder, folder));
    if (choice.menuShortcut)
        noteFailure(failures, "The program menu shortcut",
                    createShortcut(services.files, services.programsFolder, folder));

    if (failures.empty()) {
        services.messages.messageBox("Quorvels successfully installed", "", platform::Buttons::Ok,
                                     platform::Icon::None);
        return;
    }
    std::string text = "Quorvels was not installed completely:";
    for (const std::string& failure : failures) text += "\r\n" + failure;
    text += "\r\nEverything else is in place.";
    services.messages.messageBox(text, "", platform::Buttons::Ok, platform::Icon::Exclamation);
}
