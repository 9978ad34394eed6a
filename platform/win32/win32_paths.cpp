#include "platform/path_form.h"

namespace platform {

namespace {

bool isSeparator(char ch) { return ch == '\\' || ch == '/'; }

// The position just past the last separator (0 when there is none).
std::size_t afterLastSeparator(const std::string& path) {
    const auto last = path.find_last_of("\\/");
    return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

// "C:\..." (a drive and its root) and "\\server\share\..." (a network share).
bool isAbsolutePath(const SystemPath& path) {
    const std::string& bytes = path.systemBytes();
    if (bytes.size() >= 3 && bytes[1] == ':' && isSeparator(bytes[2])) return true;
    return bytes.size() >= 2 && isSeparator(bytes[0]) && isSeparator(bytes[1]);
}

SystemPath withFinalSeparator(SystemPath folder) {
    const std::string& bytes = folder.systemBytes();
    if (!bytes.empty() && isSeparator(bytes.back())) return folder;
    return SystemPath::fromSystem(bytes + '\\');
}

SystemPath folderOf(const SystemPath& path) {
    const std::string& bytes = path.systemBytes();
    return SystemPath::fromSystem(bytes.substr(0, afterLastSeparator(bytes)));
}

SystemPath fileNameOf(const SystemPath& path) {
    const std::string& bytes = path.systemBytes();
    return SystemPath::fromSystem(bytes.substr(afterLastSeparator(bytes)));
}

}  // namespace platform
