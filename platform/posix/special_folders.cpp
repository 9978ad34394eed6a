#include "platform/posix/filesystem_path.h"
#include "platform/posix/xdg_folders.h"
#include "platform/special_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string withoutFinalSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The path a setting of the environment or of user-dirs.dirs names.
SystemPath folderNamed(std::string value) { return SystemPath::fromSystem(withoutFinalSlash(std::move(value))); }

// `name` in the folder, as the freedesktop conventions name its folders.
SystemPath under(const SystemPath& folder, const char* name) {
    return SystemPath::fromSystem(folder.systemBytes() + name);
}

// The value of `key` in user-dirs.dirs, a shell fragment such as
// XDG_DESKTOP_DIR="$HOME/Desktop"; empty when it is not there.
SystemPath userDirectory(const std::string& key) {
    std::ifstream file(filesystemPath(under(configFolder(), "/user-dirs.dirs")));
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(key + "=", 0) != 0) continue;
        std::string value = line.substr(key.size() + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = homeFolder().systemBytes() + value.substr(5);
        if (value.empty() || value.front() != '/') return {};
        return folderNamed(value);
    }
    return {};
}

}  // namespace

SystemPath currentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? SystemPath::fromSystem(".") : systemPathOf(folder);
}

SystemPath programFile() {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? SystemPath{} : systemPathOf(file);
}

SystemPath homeFolder() {
    std::string home = environment("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) home = user->pw_dir;
    }
    return folderNamed(home);
}

SystemPath configFolder() {
    const std::string folder = environment("XDG_CONFIG_HOME");
    return folder.empty() || folder.front() != '/' ? under(homeFolder(), "/.config") : folderNamed(folder);
}

SystemPath dataFolder() {
    const std::string folder = environment("XDG_DATA_HOME");
    return folder.empty() || folder.front() != '/' ? under(homeFolder(), "/.local/share") : folderNamed(folder);
}

SystemPath desktopFolder() {
    const SystemPath folder = userDirectory("XDG_DESKTOP_DIR");
    return folder.empty() ? under(homeFolder(), "/Desktop") : folder;
}

SystemPath installParentFolder() { return dataFolder(); }

// The program menu of the freedesktop conventions.
SystemPath programsFolder() { return under(dataFolder(), "/applications"); }

}  // namespace platform
