#include "platform/win32_desktop/dialog_font.h"

#include "platform/win32_windows/dialog_template.h"

namespace platform::win32 {

namespace {

INT_PTR CALLBACK doNothing(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

// A hidden dialog from the template of an empty blueprint holds the font
// exactly as every window of the program gets it.
DialogFont dialogFont() {
    const std::vector<WORD> empty = dialogTemplate(WindowSpec{});
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(empty.data()), nullptr, doNothing, 0);
    DialogFont shown;
    if (dialog == nullptr) return shown;
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof shown.font, &shown.font);
    RECT fourUnits{0, 0, 4, 0};
    MapDialogRect(dialog, &fourUnits);
    shown.baseUnitX = fourUnits.right;
    DestroyWindow(dialog);
    return shown;
}

}  // namespace platform::win32
