#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

// The POSIX calls the file layer is made of, one system call each, so that a
// test can fail or kill any of them in turn (see testing/failing_files.h).
// Every call returns 0 on success or the system's error number (errno).
struct PosixFileCalls {
    using Handle = int;

    virtual ~PosixFileCalls() = default;

    // As Files::readFile and Files::status.
    virtual int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) = 0;
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

    // Opens the regular file at path for reading, only to lock it.
    virtual int openToLock(const SystemPath& path, Handle& handle) = 0;

    // Takes an advisory lock on the whole open file without waiting (flock),
    // shared or exclusive, or turns the one it has into the other kind. Fails
    // with EWOULDBLOCK while another open of the file has a lock in the way.
    virtual int lock(Handle handle, bool exclusive) = 0;
};

// The calls as the machine's own system makes them.
struct SystemFileCalls final : PosixFileCalls {
    int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) override;
    int status(const SystemPath& path, bool followLinks, FileInfo& info) override;
    int checkWritable(const SystemPath& path) override;
    int readLink(const SystemPath& path, SystemPath& target) override;
    int createNew(const SystemPath& path, unsigned mode, Handle& handle) override;
    int setPermissions(Handle handle, unsigned permissions) override;
    int setOwner(Handle handle, std::uint32_t owner, std::uint32_t group) override;
    int write(Handle handle, std::string_view bytes) override;
    int sync(Handle handle) override;
    int close(Handle handle) override;
    int rename(const SystemPath& from, const SystemPath& to) override;
    int remove(const SystemPath& path) override;
    int syncDirectory(const SystemPath& directory) override;
    int openToLock(const SystemPath& path, Handle& handle) override;
    int lock(Handle handle, bool exclusive) override;
};

// The one instance the programs use.
PosixFileCalls& systemFileCalls();

}  // namespace platform
