#pragma once

#include <string>

namespace platform {

// ERROR_DIRECTORY_NOT_SUPPORTED, which MinGW's headers lack: what the file
// calls report for a folder where a file is needed.
inline constexpr unsigned long ErrorIsFolder = 336;

// A Win32 error code (GetLastError) as the error number (errno) the file
// layer's callers compare and word: ENOENT for a name that is not there,
// EACCES, ENOSPC, EROFS, EEXIST, EISDIR, EINVAL; EIO for anything else.
int errnoOf(unsigned long error);

// The system's own wording of a Win32 error code or an HRESULT, without its
// final ".", as a UTF-8 text.
std::string systemReason(unsigned long error);

}  // namespace platform
