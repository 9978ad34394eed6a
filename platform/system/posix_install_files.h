#pragma once

#include "platform/install_files.h"

namespace platform {

// Installing on a POSIX system: std::filesystem for the files, and
// freedesktop desktop entries for the shortcuts.
InstallFiles& systemInstallFiles();

}  // namespace platform
