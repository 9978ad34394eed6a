#pragma once

#include <string>

#include "platform/system_path.h"

namespace platform {

// Writes (or replaces) the shell link (.lnk) at linkPath that starts target
// in workingFolder, in a normal window. "" on success, else the system's
// reason as a Windows-1252 text.
std::string writeShellLink(const SystemPath& linkPath, const SystemPath& target, const SystemPath& workingFolder);

}  // namespace platform
