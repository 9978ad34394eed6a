#pragma once

#include "platform/system_path.h"

namespace platform {

// Whether the path names its file from the root of the file system, not from
// the current folder. Each system's implementation (platform_system) answers
// as that system writes paths.
bool isAbsolutePath(const SystemPath& path);

}  // namespace platform
