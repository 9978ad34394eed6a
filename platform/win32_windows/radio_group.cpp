#include "platform/win32_windows/radio_group.h"

namespace platform::win32 {

namespace {

bool startsGroup(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP) != 0; }

bool isRadioButton(HWND control) {
    return (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
           SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON;
}

}  // namespace

std::vector<HWND> radioGroupOf(HWND button) {
    HWND first = button;
    while (!startsGroup(first)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) break;
        first = previous;
    }
    std::vector<HWND> group;
    for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && startsGroup(control)) break;
        if (isRadioButton(control)) group.push_back(control);
    }
    return group;
}

void setRadioChecked(HWND button, bool checked) {
    if (checked)
        for (HWND other : radioGroupOf(button))
            if (other != button) SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    placeGroupTabStop(button);
}

void placeGroupTabStop(HWND button) {
    const std::vector<HWND> group = radioGroupOf(button);
    if (group.empty()) return;
    HWND stop = group.front();
    for (HWND member : group)
        if (SendMessageW(member, BM_GETCHECK, 0, 0) == BST_CHECKED) stop = member;
    for (HWND member : group) {
        const LONG_PTR style = GetWindowLongPtrW(member, GWL_STYLE);
        SetWindowLongPtrW(member, GWL_STYLE, member == stop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

}  // namespace platform::win32
