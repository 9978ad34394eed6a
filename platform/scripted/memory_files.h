#pragma once

#include <cerrno>
#include <map>
#include <string>

#include "platform/files.h"

namespace platform::scripted {

// Regular files kept in memory, for tests and fuzz targets that save and load
// many times: no disk, no folders (every folder exists), no links.
struct MemoryFiles final : Files {
    std::map<SystemPath, std::string> files;  // by path

    int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) override {
        const auto found = files.find(path);
        if (found == files.end()) return ENOENT;
        contents = found->second.substr(0, maxBytes);
        return 0;
    }
    int status(const SystemPath& path, bool, FileInfo& info) override {
        const auto found = files.find(path);
        if (found == files.end()) return ENOENT;
        info = FileInfo{};
        info.isRegular = true;
        info.permissions = 0644;
        info.size = found->second.size();
        return 0;
    }
    int checkWritable(const SystemPath&) override { return 0; }
    int readLink(const SystemPath&, SystemPath&) override { return EINVAL; }
    int createNew(const SystemPath& path, unsigned, Handle& handle) override {
        if (!files.emplace(path, std::string()).second) return EEXIST;
        handle = static_cast<Handle>(open.size()) + 1;
        open[handle] = path;
        return 0;
    }
    int setPermissions(Handle, unsigned) override { return 0; }
    int setOwner(Handle, std::uint32_t, std::uint32_t) override { return 0; }
    int write(Handle handle, std::string_view bytes) override {
        files[open.at(handle)] += bytes;
        return 0;
    }
    int sync(Handle) override { return 0; }
    int close(Handle handle) override { return open.erase(handle) == 1 ? 0 : EBADF; }
    int rename(const SystemPath& from, const SystemPath& to) override {
        const auto found = files.find(from);
        if (found == files.end()) return ENOENT;
        std::string bytes = std::move(found->second);
        files.erase(found);
        files[to] = std::move(bytes);
        return 0;
    }
    int remove(const SystemPath& path) override { return files.erase(path) == 1 ? 0 : ENOENT; }
    int syncDirectory(const SystemPath&) override { return 0; }

private:
    std::map<Handle, SystemPath> open;  // handle -> path
};

}  // namespace platform::scripted
