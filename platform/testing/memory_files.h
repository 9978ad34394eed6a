#pragma once

#include <cerrno>
#include <map>
#include <memory>
#include <string>

#include "platform/files.h"

namespace platform::scripted {

// Regular files kept in memory, for tests and fuzz targets that save and load
// many times: no disk, no folders (every folder exists), no links. Each
// replacement is a new file, with the next index as its identity. Holds are
// counted by path, as if each holder were another program; they must not
// outlive the files.
struct MemoryFiles final : Files {
    std::map<SystemPath, std::string> files;      // by path
    std::map<SystemPath, std::uint64_t> indexes;  // by path; 0 for a file put into `files` directly
    std::uint64_t lastIndex = 0;
    std::map<SystemPath, int> holders;  // by path: the holds alive

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
        const auto index = indexes.find(path);
        info.fileIndex = index == indexes.end() ? 0 : index->second;
        return 0;
    }
    ReplaceResult replaceWhole(const SystemPath& path, std::string_view bytes, const FileInfo* = nullptr) override {
        files[path] = bytes;
        indexes[path] = ++lastIndex;
        ReplaceResult result;
        result.target = path;
        return result;
    }
    HoldResult holdOpen(const SystemPath& path) override {
        if (files.count(path) == 0) return {};
        HoldResult result;
        result.heldElsewhere = holders[path]++ > 0;
        result.hold = std::make_unique<Hold>(holders, path);
        return result;
    }

  private:
    struct Hold final : FileHold {
        Hold(std::map<SystemPath, int>& holders, SystemPath path) : holders(holders), path(std::move(path)) {}
        ~Hold() override { --holders[path]; }
        std::map<SystemPath, int>& holders;
        SystemPath path;
    };
};

}  // namespace platform::scripted
