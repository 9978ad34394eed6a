#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>

#include "platform/path_form.h"
#include "platform/system_path.h"

// A path as the system names it (UTF-8 held in a std::string) for
// std::filesystem and the file streams, and back: on Windows a narrow
// std::string would be taken in the ANSI code page.
inline std::filesystem::path fsPath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}
inline std::string systemPathOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A path a test names: a std::string for the test's own file helpers and
// messages, and a platform::SystemPath for the code under test, since the
// test's names are the system's own bytes.
struct TestPath : std::string {
    TestPath() = default;
    TestPath(std::string path) : std::string(std::move(path)) {}
    TestPath(const char* path) : std::string(path) {}
    operator platform::SystemPath() const { return platform::SystemPath::fromSystem(*this); }
    operator std::filesystem::path() const { return fsPath(*this); }
};

// The folder with the system's separator at its end, as a test names it.
inline TestPath folderWithSeparator(const TestPath& folder) {
    return platform::withFinalSeparator(folder).systemBytes();
}

namespace platform {
// How a test's failure message shows a path: its bytes.
inline void PrintTo(const SystemPath& path, std::ostream* out) { *out << '"' << path.systemBytes() << '"'; }
}  // namespace platform
