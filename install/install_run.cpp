#include "install/install_run.h"

#include <filesystem>

#include "platform/cp1252.h"
#include "platform/executable_suffix.h"
#include "platform/system/desktop_entry.h"
#include "platform/system/file_key_store.h"

namespace fs = std::filesystem;

namespace {

inline constexpr const char* ProgramName = "Folimarch";
const std::string uninstallerName = std::string("unInstall") + platform::ExecutableSuffix;
const std::string programName = std::string("quorvels") + platform::ExecutableSuffix;

std::string withFinalSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// The system's reason for a failure, in the programs' own code page.
std::string reasonOf(const std::error_code& error) { return platform::fromNativeText(error.message()); }

// Copies one file over any older copy: beside it first, then renamed over
// it, so that an older copy stays whole when the copy fails and a running
// program can be replaced. A file that is already the target (installing
// from the install folder itself) is left as it is.
std::string copyProductFile(const std::string& from, const std::string& to) {
    const fs::path source = platform::nativeText(from), target = platform::nativeText(to);
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
std::string createFolder(const std::string& folder) {
    const fs::path nativeFolder = platform::nativeText(folder);
    std::error_code error;
    fs::create_directories(nativeFolder, error);
    if (error) return reasonOf(error);
    return fs::is_directory(nativeFolder, error) ? "" : "it is not a folder";
}

// "<what>: <why>" lines of everything that went wrong.
void noteFailure(std::vector<std::string>& failures, const std::string& what, const std::string& why) {
    if (!why.empty()) failures.push_back(what + ": " + why);
}

std::string registerUninstallEntry(platform::KeyStore& keys, const std::string& installFolder) {
    if (!keys.keyExists(platform::UninstallParentKey)) return "the list of installed programs is missing";
    const std::string key = std::string(platform::UninstallParentKey) + "\\Quorvels";
    if (!keys.createKey(key) || !keys.setString(key, "DisplayName", ProgramName) ||
        !keys.setString(key, "UninstallString", platform::nativeText(installFolder + uninstallerName)))
        return "the list of installed programs cannot be written";
    return "";
}

}  // namespace

std::vector<std::string> installFiles() { return {programName, "quorvels.hlp", "quorvels.cnt", uninstallerName}; }

std::string defaultInstallFolder(const std::string& dataFolder) {
    return withFinalSlash(dataFolder) + ProgramName + "/";
}

std::string installFolderOf(const InstallChoice& choice, const InstallServices& services) {
    std::string folder = choice.folderText;
    if (folder == "~" || folder.rfind("~/", 0) == 0) folder = services.homeFolder + folder.substr(1);
    if (folder.empty() || folder.front() != '/') folder = withFinalSlash(services.sourceFolder) + folder;
    return withFinalSlash(folder);
}

std::string createShortcut(const std::string& folder, const std::string& installFolder) {
    using platform::nativeText;
    const std::string reason = platform::writeDesktopEntry(
        nativeText(folder + "/" + ProgramName + ".desktop"),
        {ProgramName, nativeText(installFolder + programName), nativeText(installFolder)});
    return platform::fromNativeText(reason);
}

void runInstall(InstallServices& services, const InstallChoice& choice) {
    const std::string source = withFinalSlash(services.sourceFolder);
    std::string missing;
    for (const std::string& name : installFiles())
        if (std::error_code error; !fs::is_regular_file(platform::nativeText(source + name), error)) missing += "\r\n" + name;
    if (!missing.empty()) {
        services.messages.messageBox("Not all install files are present..." + missing, "", platform::Buttons::Ok,
                                     platform::Icon::None);
        return;
    }

    const std::string folder = installFolderOf(choice, services);
    if (const std::string why = createFolder(folder); !why.empty()) {
        services.messages.messageBox("The folder " + folder + " could not be created: " + why + "\r\nNothing was installed.",
                                     "", platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    std::vector<std::string> failures;
    for (const std::string& name : installFiles())
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
