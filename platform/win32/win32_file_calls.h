#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

// The Win32 calls the file layer is made of, one system call each, so that a
// test can fail or kill any of them in turn (see testing/failing_win32_calls.h).
// Every call returns 0 (ERROR_SUCCESS) or the Win32 error code of its failure.
struct Win32FileCalls {
    using Handle = void*;         // a HANDLE
    using Error = unsigned long;  // a DWORD from GetLastError

    virtual ~Win32FileCalls() = default;

    // As Files::readFile: a folder fails with ErrorIsFolder (win32_errors.h),
    // a device or a pipe with ERROR_BAD_FILE_TYPE, both before any read.
    virtual Error readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) = 0;
    // As Files::status; a reparse point (a symbolic link, a junction) is a
    // link when followLinks is false.
    virtual Error status(const SystemPath& path, bool followLinks, FileInfo& info) = 0;

    // The path of the file that path finally designates, links followed.
    virtual Error finalPath(const SystemPath& path, SystemPath& target) = 0;

    // Creates a new file for writing; fails with ERROR_FILE_EXISTS when path exists.
    virtual Error createNew(const SystemPath& path, Handle& handle) = 0;
    // Writes all of bytes at the current position.
    virtual Error write(Handle handle, std::string_view bytes) = 0;
    // Flushes the file's data and metadata to the disk (FlushFileBuffers).
    virtual Error flush(Handle handle) = 0;
    // Closes the handle; it is gone even when an error is returned.
    virtual Error close(Handle handle) = 0;

    // Puts replacement in place of the existing file target (ReplaceFileW),
    // which keeps target's attributes and security.
    virtual Error replace(const SystemPath& replacement, const SystemPath& target) = 0;
    // Renames from to to, replacing to when it exists, and returns only once
    // the rename is on the disk.
    virtual Error move(const SystemPath& from, const SystemPath& to) = 0;
    // Flushes the file at path to the disk, so that a replacement of it lasts.
    virtual Error flushFile(const SystemPath& path) = 0;
    // Deletes the file at path (not a folder).
    virtual Error remove(const SystemPath& path) = 0;

    // Opens the lock file at path, creating it hidden when it does not exist,
    // to be deleted when its last handle closes. Shared, others may open it
    // too; not shared, it fails with ERROR_SHARING_VIOLATION while anyone
    // else has it open, and keeps everyone else out while it is open.
    virtual Error openLockFile(const SystemPath& path, bool shared, Handle& handle) = 0;
};

// The calls as Windows makes them.
struct SystemWin32FileCalls final : Win32FileCalls {
    Error readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) override;
    Error status(const SystemPath& path, bool followLinks, FileInfo& info) override;
    Error finalPath(const SystemPath& path, SystemPath& target) override;
    Error createNew(const SystemPath& path, Handle& handle) override;
    Error write(Handle handle, std::string_view bytes) override;
    Error flush(Handle handle) override;
    Error close(Handle handle) override;
    Error replace(const SystemPath& replacement, const SystemPath& target) override;
    Error move(const SystemPath& from, const SystemPath& to) override;
    Error flushFile(const SystemPath& path) override;
    Error remove(const SystemPath& path) override;
    Error openLockFile(const SystemPath& path, bool shared, Handle& handle) override;
};

// The one instance the programs use.
Win32FileCalls& systemWin32FileCalls();

}  // namespace platform
