#pragma once

#include "platform/files.h"
#include "platform/posix/posix_file_calls.h"
#include "platform/system_files.h"

namespace platform {

// The file layer on a POSIX system, made of PosixFileCalls.
//
// replaceWhole writes the new contents into a temporary file beside the
// target (same folder, so the rename cannot cross file systems), flushes it
// and checks every step, then renames it over the target; finally the folder
// is flushed so the rename itself lasts. Links are resolved one by one
// (relative ones against the link's own folder), also when the last one
// points to a file that does not exist yet.
struct PosixFiles final : Files {
    explicit PosixFiles(PosixFileCalls& calls) : calls(calls) {}

    int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) override {
        return calls.readFile(path, maxBytes, contents);
    }
    int status(const SystemPath& path, bool followLinks, FileInfo& info) override {
        return calls.status(path, followLinks, info);
    }
    ReplaceResult replaceWhole(const SystemPath& path, std::string_view bytes,
                               const FileInfo* permissionsFrom = nullptr) override;
    HoldResult holdOpen(const SystemPath& path) override;

  private:
    PosixFileCalls& calls;
};

}  // namespace platform
