#pragma once

#include "platform/files.h"

namespace platform {

// The file operations on the machine's own file systems, through POSIX calls.
struct PosixFiles final : Files {
    int readFile(const std::string& path, std::size_t maxBytes, std::string& contents) override;
    int status(const std::string& path, bool followLinks, FileInfo& info) override;
    int checkWritable(const std::string& path) override;
    int readLink(const std::string& path, std::string& target) override;
    int createNew(const std::string& path, unsigned mode, Handle& handle) override;
    int setPermissions(Handle handle, unsigned permissions) override;
    int setOwner(Handle handle, std::uint32_t owner, std::uint32_t group) override;
    int write(Handle handle, std::string_view bytes) override;
    int sync(Handle handle) override;
    int close(Handle handle) override;
    int rename(const std::string& from, const std::string& to) override;
    int remove(const std::string& path) override;
    int syncDirectory(const std::string& directory) override;
};

// The one instance the programs use.
Files& systemFiles();

}  // namespace platform
