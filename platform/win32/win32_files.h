#pragma once

#include "platform/files.h"
#include "platform/win32/win32_file_calls.h"

namespace platform {

// The file layer on Windows, made of Win32FileCalls.
//
// replaceWhole writes the new contents into a temporary file beside the
// target (same folder, same volume), checks every write and flushes it, then
// puts it in place: with ReplaceFileW over an existing file, which keeps the
// file's attributes (hidden) and security, or with a write-through rename for
// a new one. A read-only file is left as it is.
struct Win32Files final : Files {
    explicit Win32Files(Win32FileCalls& calls) : calls(calls) {}

    int readFile(const SystemPath& path, std::size_t maxBytes, std::string& contents) override;
    int status(const SystemPath& path, bool followLinks, FileInfo& info) override;
    ReplaceResult replaceWhole(const SystemPath& path, std::string_view bytes,
                               const FileInfo* permissionsFrom = nullptr) override;
    HoldResult holdOpen(const SystemPath& path) override;

  private:
    Win32FileCalls& calls;
};

}  // namespace platform
