#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "install/install_run.h"
#include "install/product_files.h"
#include "platform/system_install_files.h"
#include "tests/support/temporary_folder.h"
#include "uninstall/uninstall_run.h"

#ifdef _WIN32
#include <windows.h>

#include <random>

#include "platform/win32/registry_key_store.h"
#include "platform/win32/wide_text.h"

// A key of the real registry standing in for HKEY_LOCAL_MACHINE, with the
// parent key of the installed programs in it, deleted with everything in it
// at the end of the test. `reread` opens the same key once more.
struct TestKeyStore {
    std::wstring name = L"Software\\Quorvels tests\\" + std::to_wstring(std::random_device{}());
    HKEY root = create(name);
    platform::RegistryKeyStore store{root};

    TestKeyStore() { store.createKey(platform::UninstallParentKey); }
    ~TestKeyStore() {
        RegCloseKey(root);
        RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str());
    }
    TestKeyStore(const TestKeyStore&) = delete;
    TestKeyStore& operator=(const TestKeyStore&) = delete;

    platform::RegistryKeyStore reread() const { return platform::RegistryKeyStore{root}; }

    static HKEY create(const std::wstring& name) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        return key;
    }
};
#else
#include "platform/posix/file_key_store.h"

// The key store file of a test's home, and the same file read once more.
struct TestKeyStore {
    explicit TestKeyStore(std::string path) : path(std::move(path)) {}
    TestPath path;
    platform::FileKeyStore store{path};

    platform::FileKeyStore reread() const { return platform::FileKeyStore{path}; }
};
#endif

// A home folder of its own to install into and uninstall from: a
// distribution folder "dist" with the four product files (each holding
// "contents of " and its name), the key store file, and the desktop and
// program-menu folders. Its path is plain ASCII.
struct ProductHome {
    TemporaryFolder home;
#ifdef _WIN32
    TestKeyStore keyStore;
#else
    TestKeyStore keyStore{keyStorePath()};
#endif
    platform::KeyStore& keys = keyStore.store;
    TestPath desktop = home / "Desktop";
    TestPath programs = home / ".local/share/applications";

    ProductHome() {
        for (const std::string& name : installedFiles()) writeFile(home / ("dist/" + name), "contents of " + name);
    }

    std::string keyStorePath() const { return home / ".config/quorvels-keys.ini"; }

    // The product's shortcut in a folder, in the system's own form.
    static std::string shortcutIn(const TestPath& folder) {
        return platform::systemInstallFiles().shortcutPath(folder, ProductDesktopName).systemBytes();
    }

    InstallServices installServices(platform::MessageBoxes& messages) {
        return {messages, keys,    platform::systemInstallFiles(), home / "dist", home.path, home / ".local/share",
                desktop,  programs};
    }
    UninstallServices uninstallServices(platform::MessageBoxes& messages, const TestPath& currentFolder) {
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
    for (const auto& entry : std::filesystem::directory_iterator(fsPath(folder)))
        names.push_back(systemPathOf(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}
