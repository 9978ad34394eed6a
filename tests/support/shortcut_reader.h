#pragma once

#include <string>

// A shortcut file read back the system's own way: what it starts, in which
// folder, and what is wrong with it as a shortcut of the system ("" when
// nothing is).
struct Shortcut {
    std::string target;
    std::string workingFolder;
    std::string problems;
};

#ifdef _WIN32
#include "tests/win32/shell_link_reader.h"

inline Shortcut readShortcut(const std::string& path) {
    const ShellLink link = readShellLink(path);
    return {link.target, link.workingFolder, link.problem};
}
#else
#include <unistd.h>

#include <sstream>

#include "tests/support/product_home.h"
#include "tests/support/temporary_folder.h"

// A desktop entry: its Exec line starts the quoted target, Path is the
// folder; desktop-file-validate finds nothing to warn about and the file is
// executable, as desktops want.
inline Shortcut readShortcut(const std::string& path) {
    Shortcut shortcut;
    std::istringstream entry(readFile(path));
    for (std::string line; std::getline(entry, line);) {
        if (line.rfind("Exec=\"", 0) == 0 && line.back() == '"') shortcut.target = line.substr(6, line.size() - 7);
        if (line.rfind("Path=", 0) == 0) shortcut.workingFolder = line.substr(5);
    }
    shortcut.problems = desktopEntryProblems(path);
    if (access(path.c_str(), X_OK) != 0) shortcut.problems += "not executable";
    return shortcut;
}
#endif
