#include "platform/path_form.h"

namespace platform {

namespace {

bool isSeparator(char ch) { return ch == '\\' || ch == '/'; }

// The position just past the last separator (0 when there is none).
std::size_t afterLastSeparator(const SystemPath& path) {
    const auto last = path.find_last_of("\\/");
    return last == SystemPath::npos ? 0 : last + 1;
}

}  // namespace

// "C:\..." (a drive and its root) and "\\server\share\..." (a network share).
bool isAbsolutePath(const SystemPath& path) {
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) return true;
    return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

SystemPath withFinalSeparator(SystemPath folder) {
    if (folder.empty() || !isSeparator(folder.back())) folder += '\\';
    return folder;
}

SystemPath folderOf(const SystemPath& path) { return path.substr(0, afterLastSeparator(path)); }

SystemPath fileNameOf(const SystemPath& path) { return path.substr(afterLastSeparator(path)); }

}  // namespace platform
