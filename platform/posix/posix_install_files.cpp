#include "platform/system_install_files.h"

#include <filesystem>

#include "core/utf8.h"
#include "platform/path_form.h"
#include "platform/posix/desktop_entry.h"
#include "platform/posix/filesystem_path.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string reasonOf(const std::error_code& error) { return wellFormedUtf8(error.message()); }

struct PosixInstallFiles final : InstallFiles {
    bool isFile(const SystemPath& path) override {
        std::error_code error;
        return fs::is_regular_file(filesystemPath(path), error);
    }

    std::string makeFolders(const SystemPath& folder) override {
        std::error_code error;
        fs::create_directories(filesystemPath(folder), error);
        if (error) return reasonOf(error);
        return fs::is_directory(filesystemPath(folder), error) ? "" : "it is not a folder";
    }

    // Beside the target first, then renamed over it.
    std::string copyReplacing(const SystemPath& from, const SystemPath& to) override {
        const fs::path source = filesystemPath(from), target = filesystemPath(to);
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

    // Linux has no hidden or system attributes; a link is removed, not what
    // it points to.
    bool removeIfPresent(const SystemPath& path) override {
        const fs::path file = filesystemPath(path);
        std::error_code error;
        const fs::file_status status = fs::symlink_status(file, error);
        if (!fs::exists(status) || fs::is_directory(status)) return true;
        return fs::remove(file, error) && !error;
    }

    void clearAttributes(const SystemPath&) override {}

    SystemPath shortcutPath(const SystemPath& folder, const std::string& name) override {
        // The name's bytes as they are: the product's name is plain ASCII.
        return inFolder(folder, SystemPath::fromSystem(name + ".desktop"));
    }

    std::string createShortcut(const SystemPath& folder, const std::string& name, const SystemPath& target,
                               const SystemPath& workingFolder) override {
        return wellFormedUtf8(writeDesktopEntry(shortcutPath(folder, name), {name, target, workingFolder}));
    }
};

}  // namespace

InstallFiles& systemInstallFiles() {
    static PosixInstallFiles files;
    return files;
}

}  // namespace platform
