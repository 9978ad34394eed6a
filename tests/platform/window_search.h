#pragma once

#include <windows.h>
#include <dlgs.h>

#include <vector>

// The windows the system's enumerations hand out, collected into a list, so
// that tests search them with plain loops (a lambda cannot be the system's
// callback on 32-bit Windows, whose calling convention differs).
inline BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

inline std::vector<HWND> topLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline std::vector<HWND> windowsOfThread(DWORD thread) {
    std::vector<HWND> windows;
    EnumThreadWindows(thread, collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline std::vector<HWND> childWindowsOf(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The box of a common file dialog that takes the file's name.
inline HWND fileNameBox(HWND dialog) {
    HWND box = GetDlgItem(dialog, cmb13);
    return box != nullptr ? box : GetDlgItem(dialog, edt1);
}
