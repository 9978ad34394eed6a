#include "platform/path_form.h"

namespace platform {

bool isAbsolutePath(const SystemPath& path) { return path.systemBytes().starts_with('/'); }

SystemPath withFinalSeparator(SystemPath folder) {
    if (folder.systemBytes().ends_with('/')) return folder;
    return SystemPath::fromSystem(folder.systemBytes() + '/');
}

SystemPath folderOf(const SystemPath& path) {
    const std::string& bytes = path.systemBytes();
    return SystemPath::fromSystem(bytes.substr(0, bytes.rfind('/') + 1));
}

SystemPath fileNameOf(const SystemPath& path) {
    const std::string& bytes = path.systemBytes();
    return SystemPath::fromSystem(bytes.substr(bytes.rfind('/') + 1));
}

}  // namespace platform
