#pragma once

#include <windows.h>

namespace platform::win32 {

// The window a message box or file dialog belongs to: the thread's active
// window or, while the program is in the background and the thread has none,
// its enabled, shown dialog, which is the innermost running one since each
// running window disables its owner. None when the thread shows no dialog.
HWND ownerWindow();

}  // namespace platform::win32
