#pragma once

#include <string>

#include "platform/system_path.h"

namespace platform {

// The file operations of installing and removing the programs, as each
// system does them. Reasons are UTF-8 texts for messages ("" when the
// step succeeded); deciding what to copy, delete or report is the caller's.
struct InstallFiles {
    virtual ~InstallFiles() = default;

    // Whether path is a regular file (links followed).
    virtual bool isFile(const SystemPath& path) = 0;
    // Creates the folder with any missing parents.
    virtual std::string makeFolders(const SystemPath& folder) = 0;
    // Copies a file over any older copy so that the older copy stays whole
    // when the copy fails and a running program can be replaced; a file that
    // already is the target is left as it is.
    virtual std::string copyReplacing(const SystemPath& from, const SystemPath& to) = 0;
    // Deletes a file when it is there, unless the system marks it hidden or
    // a system file; a folder of that name is passed over. False when the
    // file is there and stays.
    virtual bool removeIfPresent(const SystemPath& path) = 0;
    // Clears a file's hidden, system and read-only marks, so that
    // removeIfPresent deletes it (nothing to do where files have none).
    virtual void clearAttributes(const SystemPath& path) = 0;

    // The shortcut file named `name` in `folder` (the system's own form: a
    // shell link, a desktop entry).
    virtual SystemPath shortcutPath(const SystemPath& folder, const std::string& name) = 0;
    // Writes (or replaces) that shortcut, starting `target` in `workingFolder`.
    virtual std::string createShortcut(const SystemPath& folder, const std::string& name, const SystemPath& target,
                                       const SystemPath& workingFolder) = 0;
};

}  // namespace platform
