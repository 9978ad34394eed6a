#pragma once

#include <windows.h>

namespace platform::win32 {

// The procedure of every window built from a blueprint, for
// DialogBoxIndirectParamW with the window's Win32Window as its parameter: it
// completes the window at WM_INITDIALOG (controls, menu bar, icon, size and
// place) and turns the system's messages into the handler's.
INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::win32
