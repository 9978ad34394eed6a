#include "platform/win32_desktop/owner_window.h"

#include <string_view>

namespace platform::win32 {

namespace {

BOOL CALLBACK findShownDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring_view(className) != L"#32770" || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

HWND ownerWindow() {
    if (HWND active = GetActiveWindow()) return active;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace platform::win32
