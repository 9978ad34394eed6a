#include "install/install_run.h"

#include <filesystem>

#include "install/product_files.h"
#include "platform/cp1252.h"
#include "platform/path_form.h"
#include "platform/system/desktop_entry.h"
#include "platform/system/file_key_store.h"
#include "platform/system_path.h"

namespace fs = std::filesystem;

namespace {

inline constexpr const char* ProgramName = "Folimarch";
// The system's reason for a failure, in the programs' own code page.
std::string reasonOf(const std::error_code& error) { return platform::utf8ToNearestCp1252(error.message()); }

// Copies one file over any older copy: beside it first, then renamed over
// it, so that an older copy stays whole when the copy fails and a running
// program can be replaced. A file that is already the target (installing
// from the install folder itself) is left as it is.
std::string copyProductFile(const platform::SystemPath& from, const platform::SystemPath& to) {
    const fs::path source = from, target = to;
    fs::path copy = target;
    copy += ".new";
    std::error_code error;
    if (fs::exists(target, error) && fs::equivalent(source, target, error)) return "";
    fs::copy_file(source, copy, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(copy, target, error);
    if (!error) return "";
    std::error_code ignored;
    fs::remove(copy, ignored);
    return reasonOf(error);
}

// Creates the folder with any missing parents; "" or the reason it failed.
std::string createFolder(const platform::SystemPath& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return reasonOf(error);
    return fs::is_directory(folder, error) ? "" : "it is not a folder";
}

// "<what>: <why>" lines of everything that went wrong.
void noteFailure(std::vector<std::string>& failures, const std::string& what, const std::string& why) {
    if (!why.empty()) failures.push_back(what + ": " + why);
}

// The entry names the uninstaller by its system name, as the uninstaller reads it back.
std::string registerUninstallEntry(platform::KeyStore& keys, const platform::SystemPath& installFolder) {
    if (!keys.keyExists(platform::UninstallParentKey)) return "the list of installed programs is missing";
    const std::string key = std::string(platform::UninstallParentKey) + "\\Quorvels";
    if (!keys.createKey(key) || !keys.setString(key, "DisplayName", ProgramName) ||
        !keys.setString(key, "UninstallString", installFolder + uninstallerFileName()))
        return "the list of installed programs cannot be written";
    return "";
}

}  // namespace

platform::SystemPath defaultInstallFolder(const platform::SystemPath& dataFolder) {
    return withFinalSlash(dataFolder) + ProgramName + "/";
}

platform::SystemPath installFolderOf(const InstallChoice& choice, const InstallServices& services) {
    platform::SystemPath folder = choice.typedFolder;
    if (folder == "~" || folder.rfind("~/", 0) == 0) folder = services.homeFolder + folder.substr(1);
    if (!platform::isAbsolutePath(folder)) folder = withFinalSlash(services.sourceFolder) + folder;
    return withFinalSlash(folder);
}

std::string createShortcut(const platform::SystemPath& folder, const platform::SystemPath& installFolder) {
    const std::string reason = platform::writeDesktopEntry(folder + "/" + ProgramName + ".desktop",
                                                           {ProgramName, installFolder + programFileName(), installFolder});
    return platform::utf8ToNearestCp1252(reason);
}

void runInstall(InstallServices& services, const InstallChoice& choice) {
    const platform::SystemPath source = withFinalSlash(services.sourceFolder);
    std::string missing;
    for (const std::string& name : installedFiles())
        if (std::error_code error; !fs::is_regular_file(source + name, error)) missing += "\r\n" + name;
    if (!missing.empty()) {
        services.messages.messageBox("Not all install files are present..." + missing, "", platform::Buttons::Ok,
                                     platform::Icon::None);
        return;
    }

    const platform::SystemPath folder = installFolderOf(choice, services);
    if (const std::string why = createFolder(folder); !why.empty()) {
        services.messages.messageBox("The folder " + platform::shownPath(folder) + " could not be created: " + why +
                                         "\r\nNothing was installed.",
                                     "", platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    std::vector<std::string> failures;
    for (const std::string& name : installedFiles())
        noteFailure(failures, "Copying " + name, copyProductFile(source + name, folder + name));
    noteFailure(failures, "The uninstall entry", registerUninstallEntry(services.keys, folder));
    if (choice.desktopShortcut)
        noteFailure(failures, "The desktop shortcut", createShortcut(services.desktopFolder, folder));
    if (choice.menuShortcut)
        noteFailure(failures, "The program menu shortcut", createShortcut(services.programsFolder, folder));

    if (failures.empty()) {
        services.messages.messageBox("Quorvels successfully installed", "", platform::Buttons::Ok, platform::Icon::None);
        return;
    }
    std::string text = "Quorvels was not installed completely:";
    for (const std::string& failure : failures) text += "\r\n" + failure;
    text += "\r\nEverything else is in place.";
    services.messages.messageBox(text, "", platform::Buttons::Ok, platform::Icon::Exclamation);
}
