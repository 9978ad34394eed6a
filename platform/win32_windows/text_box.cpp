#include "platform/win32_windows/text_box.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32_windows/cp1252_text.h"

namespace platform::win32 {

namespace {

// Control characters are keys the box acts on (Backspace, Ctrl+V), no text.
bool fitsCp1252(wchar_t unit) { return unit < 0x20 || cp1252ByteOf(unit).has_value(); }

bool clipboardFitsCp1252(HWND box) {
    if (!OpenClipboard(box)) return false;
    bool fits = true;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const std::wstring pasted(text);
            fits = std::all_of(pasted.begin(), pasted.end(), fitsCp1252);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return fits;
}

LRESULT CALLBACK cp1252BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR && !fitsCp1252(static_cast<wchar_t>(wParam))) return 0;
    if (message == WM_PASTE && !clipboardFitsCp1252(box)) return 0;
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void filterTextBoxInput(HWND box, bool holdsPath) {
    if (!holdsPath) SetWindowSubclass(box, cp1252BoxProcedure, 1, 0);
}

}  // namespace platform::win32
