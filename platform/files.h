#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system_path.h"

namespace platform {

// What a path names, as far as saving and loading need to know.
struct FileInfo {
    bool isRegular = false;
    bool isDirectory = false;
    bool isSymlink = false;       // only when asked not to follow links
    unsigned permissions = 0;     // the permission bits (mode & 07777)
    std::uint32_t owner = 0;      // user and group ids
    std::uint32_t group = 0;
    std::uint64_t size = 0;
};

// The file operations the catalogue and settings files need, one system call
// each, so that a test can fail any of them in turn. Every operation returns
// 0 on success or the system's error number (errno) on failure. Paths are
// the system's own names (SystemPath) and reach the system unchanged.
struct Files {
    using Handle = int;

    virtual ~Files() = default;

    // Reads at most maxBytes from the start of the regular file at path into
    // contents. Never creates or changes a file; a path that is not a regular
    // file (a directory, a pipe, a device) fails without blocking.
    virtual int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) = 0;

    // What path names. followLinks false describes a symbolic link itself.
    virtual int status(const SystemPath& path, bool followLinks, FileInfo& info) = 0;

    // Whether this process may write the file at path (with its effective ids).
    virtual int checkWritable(const SystemPath& path) = 0;

    // The target of the symbolic link at path, as stored in the link.
    virtual int readLink(const SystemPath& path, SystemPath& target) = 0;

    // Creates a new file for writing; fails with EEXIST when path exists. The
    // mode is masked by the process's umask, as for any new file.
    virtual int createNew(const SystemPath& path, unsigned mode, Handle& handle) = 0;

    // Sets the permission bits exactly (no umask), and the owner and group.
    virtual int setPermissions(Handle handle, unsigned permissions) = 0;
    virtual int setOwner(Handle handle, std::uint32_t owner, std::uint32_t group) = 0;

    // Writes all of bytes at the current position (short writes are continued).
    virtual int write(Handle handle, std::string_view bytes) = 0;

    // Flushes the file's data and metadata to the disk (fsync).
    virtual int sync(Handle handle) = 0;

    // Closes the handle; it is gone even when an error is returned.
    virtual int close(Handle handle) = 0;

    // Renames from over to, replacing to atomically when it exists.
    virtual int rename(const SystemPath& from, const SystemPath& to) = 0;

    // Removes the file at path (not a folder).
    virtual int remove(const SystemPath& path) = 0;

    // Flushes the folder's entries to the disk, so that a rename in it lasts.
    virtual int syncDirectory(const SystemPath& directory) = 0;
};

}  // namespace platform
