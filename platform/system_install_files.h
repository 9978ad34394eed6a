#pragma once

#include "platform/install_files.h"

namespace platform {

// Installing on this machine: on Linux std::filesystem for the files and
// freedesktop desktop entries for the shortcuts; on Windows the system's own
// file calls, attributes and shell links.
InstallFiles& systemInstallFiles();

}  // namespace platform
