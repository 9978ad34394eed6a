#include "platform/win32/wide_path.h"

#include <algorithm>

#include "platform/path_form.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

// MAX_PATH less room for an 8.3 file name: CreateDirectoryW's limit, the
// lowest of the file calls'.
constexpr std::size_t LongestPlainPath = 247;

bool startsWith(std::wstring_view text, std::wstring_view start) { return text.substr(0, start.size()) == start; }

}  // namespace

std::wstring widePath(const SystemPath& path) {
    std::wstring wide = wideFromPath(path);
    if (wide.size() <= LongestPlainPath || !isAbsolutePath(path)) return wide;
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    // Already in a namespace of its own: "\\?\..." or a device "\\.\...".
    if (startsWith(wide, L"\\\\?\\") || startsWith(wide, L"\\\\.\\")) return wide;
    if (startsWith(wide, L"\\\\")) return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

SystemPath withoutLongPrefix(SystemPath path) {
    const std::string& bytes = path.systemBytes();
    if (bytes.rfind("\\\\?\\UNC\\", 0) == 0) return SystemPath::fromSystem("\\\\" + bytes.substr(8));
    if (bytes.rfind("\\\\?\\", 0) == 0) return SystemPath::fromSystem(bytes.substr(4));
    return path;
}

}  // namespace platform
