#pragma once

#include <filesystem>

#include "platform/system_path.h"

namespace platform {

// A path for the std::filesystem calls, and one they returned: on POSIX
// both hold the system's own bytes.
inline std::filesystem::path filesystemPath(const SystemPath& path) { return path.systemBytes(); }
inline SystemPath systemPathOf(const std::filesystem::path& path) { return SystemPath::fromSystem(path.native()); }

}  // namespace platform
