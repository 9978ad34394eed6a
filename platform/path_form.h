#pragma once

#include "platform/system_path.h"

namespace platform {

// Whether the path names its file from the root of the file system, not from
// the current folder. Each system's implementation (platform_system) answers
// as that system writes paths.
bool isAbsolutePath(const SystemPath& path);

// The folder with the system's separator at its end, ready for a file name.
SystemPath withFinalSeparator(SystemPath folder);

// The folder part of a path, its final separator included; "" when the path
// names no folder.
SystemPath folderOf(const SystemPath& path);

// The last part of a path: what follows its last separator.
SystemPath fileNameOf(const SystemPath& path);

// The file or folder `name` in `folder`: the folder, the system's separator
// unless it ends in one, then the name.
inline SystemPath inFolder(const SystemPath& folder, const SystemPath& name) {
    return SystemPath::fromSystem(withFinalSeparator(folder).systemBytes() + name.systemBytes());
}

}  // namespace platform
