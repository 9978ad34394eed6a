#include "platform/win32_desktop/owner_window.h"

#include <string_view>

namespace platform::win32 {

HWND ownerWindow() {
    if (HWND active = GetActiveWindow()) return active;
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring_view(className) != L"#32770" || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
            *reinterpret_cast<HWND*>(data) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace platform::win32
