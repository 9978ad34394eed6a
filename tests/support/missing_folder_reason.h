#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/win32_errors.h"
#else
#include <cerrno>
#include <cstring>
#endif

// How the system words a file made in a folder that is not there.
inline std::string missingFolderReason() {
#ifdef _WIN32
    return platform::systemReason(ERROR_PATH_NOT_FOUND);
#else
    return std::strerror(ENOENT);
#endif
}
