#include "platform/path_form.h"

namespace platform {

bool isAbsolutePath(const SystemPath& path) { return !path.empty() && path.front() == '/'; }

SystemPath withFinalSeparator(SystemPath folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

SystemPath folderOf(const SystemPath& path) { return path.substr(0, path.rfind('/') + 1); }

SystemPath fileNameOf(const SystemPath& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace platform
