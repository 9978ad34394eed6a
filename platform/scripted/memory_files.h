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
    ReplaceResult replaceWhole(const SystemPath& path, std::string_view bytes) override {
        files[path] = bytes;
        ReplaceResult result;
        result.target = path;
        return result;
    }
};

}  // namespace platform::scripted
