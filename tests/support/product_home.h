#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "install/install_run.h"
#include "install/product_files.h"
#include "platform/system/file_key_store.h"
#include "platform/system/system_install_files.h"
#include "tests/support/temporary_folder.h"
#include "uninstall/uninstall_run.h"

// A home folder of its own to install into and uninstall from: a
// distribution folder "dist" with the four product files (each holding
// "contents of " and its name), the key store file, and the desktop and
// program-menu folders. Its path is plain ASCII, so it reads the same in
// Windows-1252 and in UTF-8.
struct ProductHome {
    TemporaryFolder home;
    platform::FileKeyStore keys{keyStorePath()};
    std::string desktop = home / "Desktop";
    std::string programs = home / ".local/share/applications";

    ProductHome() {
        for (const std::string& name : installedFiles()) writeFile(home / ("dist/" + name), "contents of " + name);
    }

    std::string keyStorePath() const { return home / ".config/quorvels-keys.ini"; }

    // The product's shortcut in a folder, in the system's own form.
    static std::string shortcutIn(const std::string& folder) {
        return platform::systemInstallFiles().shortcutPath(folder, ProductDesktopName);
    }

    InstallServices installServices(platform::MessageBoxes& messages) {
        return {messages, keys, platform::systemInstallFiles(), home / "dist", home.path, home / ".local/share",
                desktop, programs};
    }
    UninstallServices uninstallServices(platform::MessageBoxes& messages, const std::string& currentFolder) {
        return {messages, keys, platform::systemInstallFiles(), currentFolder, desktop, programs};
    }
};

inline const std::string UninstallEntryPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvels";

#ifndef _WIN32
// What desktop-file-validate says of a desktop entry: "" when it finds
// nothing to warn about; a non-UTF-8 file gets a warning.
inline std::string desktopEntryProblems(const std::string& path) {
    std::string said;
    if (FILE* validator = popen(("desktop-file-validate '" + path + "' 2>&1").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, validator) != nullptr) said += buffer;
        if (pclose(validator) != 0) said += "(failed)";
    }
    return said;
}
#endif

// The names in a folder, sorted.
inline std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
