#include <windows.h>

#include "platform/path_form.h"
#include "platform/system_install_files.h"
#include "platform/win32/shell_link.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/win32_errors.h"
#include "platform/win32/win32_file_calls.h"

namespace platform {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

DWORD attributesOf(const SystemPath& path) { return GetFileAttributesW(widePath(path).c_str()); }

bool isFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string withoutFinalSeparators(std::string path) {
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

// Creates folder after its missing parents; 0 or the Win32 error.
DWORD createFolders(const SystemPath& folder) {
    const DWORD attributes = attributesOf(folder);
    if (attributes != INVALID_FILE_ATTRIBUTES) return isFolder(attributes) ? ERROR_SUCCESS : ERROR_ALREADY_EXISTS;
    const std::string parent = withoutFinalSeparators(folderOf(folder).systemBytes());
    // The root of a drive or a share is there or not: it cannot be made.
    if (!parent.empty() && parent.size() < folder.systemBytes().size() && parent.back() != ':')
        if (const DWORD error = createFolders(SystemPath::fromSystem(parent)); error != ERROR_SUCCESS) return error;
    if (CreateDirectoryW(widePath(folder).c_str(), nullptr)) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    // Made meanwhile by someone else: as good.
    return error == ERROR_ALREADY_EXISTS && isFolder(attributesOf(folder)) ? ERROR_SUCCESS : error;
}

// The volume and file index of a file, which name it whatever path leads there.
bool identityOf(const SystemPath& path, BY_HANDLE_FILE_INFORMATION& identity) {
    HANDLE file = CreateFileW(widePath(path).c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool known = GetFileInformationByHandle(file, &identity) != 0;
    CloseHandle(file);
    return known;
}

bool sameFile(const SystemPath& a, const SystemPath& b) {
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    return identityOf(a, first) && identityOf(b, second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

bool moveOver(const SystemPath& from, const SystemPath& to) {
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// A running program's file cannot be written or replaced, but it can be
// renamed: the new copy then takes its name, and the old one, still running,
// is deleted when Windows next starts. False (with the last error) when that
// fails too, the target then being as it was.
bool replaceRenamingAway(const SystemPath& copy, const SystemPath& target) {
    const SystemPath old = withSuffix(target, ".old");
    if (!moveOver(target, old)) return false;
    if (!moveOver(copy, target)) {
        const DWORD error = GetLastError();
        moveOver(old, target);
        SetLastError(error);
        return false;
    }
    // Only an administrator may schedule it; an old copy left behind harms nothing.
    MoveFileExW(widePath(old).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return true;
}

struct Win32InstallFiles final : InstallFiles {
    bool isFile(const SystemPath& path) override {
        FileInfo info;
        return systemWin32FileCalls().status(path, true, info) == ERROR_SUCCESS && info.isRegular;
    }

    std::string makeFolders(const SystemPath& folder) override {
        const DWORD error = createFolders(SystemPath::fromSystem(withoutFinalSeparators(folder.systemBytes())));
        if (error == ERROR_ALREADY_EXISTS) return "it is not a folder";
        return error == ERROR_SUCCESS ? "" : systemReason(error);
    }

    // A copy beside the target first, then put in its place.
    std::string copyReplacing(const SystemPath& from, const SystemPath& to) override {
        if (sameFile(from, to)) return "";
        // A folder in the way is the user's: never renamed away.
        if (const DWORD attributes = attributesOf(to); attributes != INVALID_FILE_ATTRIBUTES && isFolder(attributes))
            return "it is a folder";
        const SystemPath copy = withSuffix(to, ".new");
        if (!CopyFileW(widePath(from).c_str(), widePath(copy).c_str(), FALSE)) return systemReason(GetLastError());
        if (moveOver(copy, to)) return "";
        const DWORD error = GetLastError();
        if ((error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) && replaceRenamingAway(copy, to))
            return "";
        DeleteFileW(widePath(copy).c_str());
        return systemReason(error);
    }

    // A hidden or system file is left for the caller to decide on (see
    // clearAttributes); a read-only one is refused by DeleteFileW.
    bool removeIfPresent(const SystemPath& path) override {
        const DWORD attributes = attributesOf(path);
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        }
        if (isFolder(attributes)) return true;
        if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) return false;
        return DeleteFileW(widePath(path).c_str()) != 0;
    }

    void clearAttributes(const SystemPath& path) override {
        SetFileAttributesW(widePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    // The name is a UTF-8 text, which a path holds as it is.
    SystemPath shortcutPath(const SystemPath& folder, const std::string& name) override {
        return inFolder(folder, SystemPath::fromSystem(name + ".lnk"));
    }

    std::string createShortcut(const SystemPath& folder, const std::string& name, const SystemPath& target,
                               const SystemPath& workingFolder) override {
        // A program menu folder that does not exist yet is made, as on Linux.
        if (const std::string why = makeFolders(folder); !why.empty()) return why;
        return writeShellLink(shortcutPath(folder, name), target, workingFolder);
    }
};

}  // namespace

InstallFiles& systemInstallFiles() {
    static Win32InstallFiles files;
    return files;
}

}  // namespace platform
