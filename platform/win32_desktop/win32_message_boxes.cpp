#include "platform/win32_desktop/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32_desktop/owner_window.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

UINT buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo: return MB_YESNO;
        case Buttons::YesNoCancel: return MB_YESNOCANCEL;
        case Buttons::Ok: break;
    }
    return MB_OK;
}

UINT iconOf(Icon icon) {
    switch (icon) {
        case Icon::Information: return MB_ICONINFORMATION;
        case Icon::Question: return MB_ICONQUESTION;
        case Icon::Exclamation: return MB_ICONEXCLAMATION;
        case Icon::Stop: return MB_ICONSTOP;
        case Icon::None: break;
    }
    return 0;
}

}  // namespace

Answer Win32MessageBoxes::messageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    const int pressed =
        MessageBoxW(ownerWindow(), toWide(text).c_str(), toWide(caption).c_str(), buttonsOf(buttons) | iconOf(icon));
    // Escape and the close box answer IDCANCEL, or IDOK in a box with OK
    // alone; a box with Yes and No alone keeps them both for the answer.
    switch (pressed) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        case IDCANCEL: return Answer::Cancel;
        case IDOK: return Answer::Ok;
        default: break;
    }
    // A box the system could not show answers as its Escape key would.
    if (buttons == Buttons::YesNoCancel) return Answer::Cancel;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

}  // namespace platform::win32
