#pragma once

#include "platform/files.h"

namespace platform {

// The file operations on the machine's own file systems, through POSIX calls.
struct PosixFiles final : Files {
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
};

// The one instance the programs use.
Files& systemFiles();

}  // namespace platform
