#include "install/product_files.h"

#include "platform/executable_suffix.h"
#include "platform/path_form.h"

std::string programFileName() { return std::string("quorvels") + platform::ExecutableSuffix; }

std::string uninstallerFileName() { return std::string("unInstall") + platform::ExecutableSuffix; }

std::vector<std::string> installedFiles() {
    return {programFileName(), "quorvels.hlp", "quorvels.cnt", uninstallerFileName()};
}

std::vector<std::string> filesToUninstall() {
    std::vector<std::string> files;
    for (const std::string& name : installedFiles())
        if (name != uninstallerFileName()) files.push_back(name);
    for (const std::string name : {"quorvels.ico", HelpIndexFileName}) files.push_back(name);
    files.push_back(std::string("install") + platform::ExecutableSuffix);
    return files;
}

platform::SystemPath productFileIn(const platform::SystemPath& folder, const std::string& name) {
    return platform::inFolder(folder, platform::SystemPath::fromSystem(name));
}
