#include "platform/win32/win32_file_calls.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/wide_path.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_errors.h"

namespace platform {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// What a replaced file keeps of its attributes (a read-only one is not replaced).
constexpr DWORD CarriedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD LargestTransfer = 1u << 30;  // ReadFile and WriteFile count in a DWORD

// Opens an existing file or folder to ask about it, links followed.
HANDLE openToDescribe(const SystemPath& path) {
    return CreateFileW(widePath(path).c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

void describe(DWORD attributes, std::uint64_t size, bool linkItself, FileInfo& info) {
    info = FileInfo{};
    info.isSymlink = linkItself && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    info.isDirectory = !info.isSymlink && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.isRegular = !info.isSymlink && !info.isDirectory && (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
    // Windows has one permission a program can see: the read-only attribute.
    info.permissions = info.isDirectory ? 0777u : 0666u;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0 && !info.isDirectory) info.permissions &= ~0222u;
    info.size = size;
}

Win32FileCalls::Error lastError() { return GetLastError(); }

}  // namespace

Win32FileCalls::Error SystemWin32FileCalls::readFile(const SystemPath& path, std::size_t maxBytes,
                                                     std::string& contents) {
    contents.clear();
    const std::wstring name = widePath(path);
    HANDLE file =
        CreateFileW(name.c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = lastError();
        // A folder cannot be opened as a file: say which it is.
        const DWORD attributes = GetFileAttributesW(name.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return ErrorIsFolder;
        return error;
    }
    // Only a disk file is read: reading a console, a serial port or a pipe could block.
    LARGE_INTEGER size{};
    DWORD error = GetFileType(file) == FILE_TYPE_DISK ? ERROR_SUCCESS : ERROR_BAD_FILE_TYPE;
    if (error == ERROR_SUCCESS && !GetFileSizeEx(file, &size)) error = lastError();
    if (error == ERROR_SUCCESS) {
        const auto expected = static_cast<std::uint64_t>(size.QuadPart);
        // One byte more than the file holds, so that the read finding its end needs no larger buffer.
        contents.resize(expected < maxBytes ? static_cast<std::size_t>(expected) + 1 : maxBytes);
        std::size_t done = 0;
        while (done < maxBytes) {
            if (done == contents.size()) contents.resize(std::min(maxBytes, contents.size() + 65536));
            DWORD got = 0;
            const auto wanted = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, LargestTransfer));
            if (!ReadFile(file, contents.data() + done, wanted, &got, nullptr)) {
                error = lastError();
                break;
            }
            if (got == 0) break;
            done += got;
        }
        contents.resize(error == ERROR_SUCCESS ? done : 0);
    }
    CloseHandle(file);
    return error;
}

Win32FileCalls::Error SystemWin32FileCalls::status(const SystemPath& path, bool followLinks, FileInfo& info) {
    if (!followLinks) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(widePath(path).c_str(), GetFileExInfoStandard, &data)) return lastError();
        describe(data.dwFileAttributes, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow, true, info);
        return ERROR_SUCCESS;
    }
    HANDLE file = openToDescribe(path);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    BY_HANDLE_FILE_INFORMATION data{};
    DWORD error = ERROR_SUCCESS;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        describe(FILE_ATTRIBUTE_DEVICE, 0, false, info);
    } else if (GetFileInformationByHandle(file, &data)) {
        describe(data.dwFileAttributes, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow, false, info);
        info.volume = data.dwVolumeSerialNumber;
        info.fileIndex = (std::uint64_t{data.nFileIndexHigh} << 32) | data.nFileIndexLow;
        info.modified = static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                                  data.ftLastWriteTime.dwLowDateTime);
    } else {
        error = lastError();
    }
    CloseHandle(file);
    return error;
}

Win32FileCalls::Error SystemWin32FileCalls::finalPath(const SystemPath& path, SystemPath& target) {
    HANDLE file = openToDescribe(path);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD error = ERROR_SUCCESS;
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) {
            error = lastError();
            break;
        }
        if (length < buffer.size()) {
            target = withoutLongPrefix(pathFromWide({buffer.data(), length}));
            break;
        }
        buffer.resize(length + 1);
    }
    CloseHandle(file);
    return error;
}

Win32FileCalls::Error SystemWin32FileCalls::createNew(const SystemPath& path, Handle& handle) {
    HANDLE file =
        CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    handle = file;
    return ERROR_SUCCESS;
}

Win32FileCalls::Error SystemWin32FileCalls::write(Handle handle, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), LargestTransfer));
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr)) return lastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        bytes.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

Win32FileCalls::Error SystemWin32FileCalls::flush(Handle handle) {
    return FlushFileBuffers(handle) ? ERROR_SUCCESS : lastError();
}

Win32FileCalls::Error SystemWin32FileCalls::close(Handle handle) {
    return CloseHandle(handle) ? ERROR_SUCCESS : lastError();
}

Win32FileCalls::Error SystemWin32FileCalls::replace(const SystemPath& replacement, const SystemPath& target) {
    const std::wstring name = widePath(target);
    const DWORD before = GetFileAttributesW(name.c_str()) & CarriedAttributes;
    // A security description this process may not write (another user's
    // file) is no reason to refuse, as an owner on POSIX.
    if (!ReplaceFileW(name.c_str(), widePath(replacement).c_str(), nullptr, REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr))
        return lastError();
    // Windows carries the attributes over; Wine's ReplaceFileW leaves the
    // new file without them, so a hidden file would come out visible.
    const DWORD after = GetFileAttributesW(name.c_str());
    if (after != INVALID_FILE_ATTRIBUTES && (after & CarriedAttributes) != before)
        SetFileAttributesW(name.c_str(), (after & ~CarriedAttributes) | before);
    return ERROR_SUCCESS;
}

Win32FileCalls::Error SystemWin32FileCalls::move(const SystemPath& from, const SystemPath& to) {
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : lastError();
}

Win32FileCalls::Error SystemWin32FileCalls::flushFile(const SystemPath& path) {
    HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, ShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    const DWORD error = FlushFileBuffers(file) ? ERROR_SUCCESS : lastError();
    CloseHandle(file);
    return error;
}

Win32FileCalls::Error SystemWin32FileCalls::remove(const SystemPath& path) {
    return DeleteFileW(widePath(path).c_str()) ? ERROR_SUCCESS : lastError();
}

Win32FileCalls::Error SystemWin32FileCalls::openLockFile(const SystemPath& path, bool shared, Handle& handle) {
    const DWORD sharing = shared ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0;
    HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ | DELETE, sharing, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    handle = file;
    return ERROR_SUCCESS;
}

Win32FileCalls& systemWin32FileCalls() {
    static SystemWin32FileCalls calls;
    return calls;
}

}  // namespace platform
