#include "platform/posix/desktop_entry.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/posix/filesystem_path.h"

namespace platform {

namespace {

// A desktop-entry string value: backslashes and line ends escaped.
std::string escapeValue(const std::string& text) {
    std::string result;
    for (char ch : text) {
        if (ch == '\\')
            result += "\\\\";
        else if (ch == '\n')
            result += "\\n";
        else if (ch == '\r')
            result += "\\r";
        else
            result += ch;
    }
    return result;
}

// One Exec argument: always quoted, with ", `, $ and \ escaped inside the
// quotes, and % doubled as field codes require.
std::string quoteArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (char ch : argument) {
        if (ch == '"' || ch == '`' || ch == '$' || ch == '\\') quoted += '\\';
        if (ch == '%') quoted += '%';
        quoted += ch;
    }
    return quoted + "\"";
}

}  // namespace

std::string writeDesktopEntry(const SystemPath& path, const Shortcut& shortcut) {
    std::error_code error;
    const std::filesystem::path file = filesystemPath(path);
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    if (error) return error.message();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (!out) return std::strerror(errno);
        out << "[Desktop Entry]\n"
            << "Type=Application\n"
            << "Name=" << escapeValue(shortcut.name) << "\n"
            << "Exec=" << escapeValue(quoteArgument(shortcut.target.systemBytes())) << "\n"
            << "Path=" << escapeValue(shortcut.workingFolder.systemBytes()) << "\n"
            << "Terminal=false\n";
        out.flush();
        if (!out) return std::strerror(errno);
    }
    if (chmod(path.systemBytes().c_str(), 0755) != 0) return std::strerror(errno);
    return "";
}

}  // namespace platform
