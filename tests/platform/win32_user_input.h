#pragma once

#include <windows.h>

#include <string>

#include "platform/win32_windows/utf16_text.h"

// The user's keys and mouse buttons on the native dialogs: posted to the
// controls and run through the dialog manager as a running dialog's own loop
// runs them, so that Tab, Enter, Escape and mnemonics work as for a user.

// Dispatches what is queued, through the dialog manager as the running
// dialog's own loop does, until nothing is left (with a generous bound).
inline void settle() {
    MSG message;
    for (int dispatched = 0; dispatched < 100000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++dispatched) {
        HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root != nullptr && IsDialogMessageW(root, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A key pressed and let go where the focus is, or at the dialog when the
// focus is elsewhere.
inline void pressKey(HWND dialog, WPARAM key) {
    HWND focus = GetFocus();
    if (focus == nullptr || GetAncestor(focus, GA_ROOT) != dialog) focus = dialog;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, key, scan | 1);
    PostMessageW(focus, WM_KEYUP, key, scan | 1 | (LPARAM(3) << 30));
    settle();
}

// Alt with a letter, where the focus is: the dialog manager presses the
// control whose caption has the letter as its mnemonic.
inline void pressMnemonic(char letter) {
    PostMessageW(GetFocus(), WM_SYSKEYDOWN, static_cast<WPARAM>(letter), LPARAM(1) << 29 | 1);
    settle();
}

// Characters (UTF-8) typed where the focus is, one WM_CHAR for each UTF-16 unit.
inline void typeHere(const std::string& keys) {
    for (wchar_t unit : platform::win32::toWide(keys)) PostMessageW(GetFocus(), WM_CHAR, unit, 1);
    settle();
}

// Characters typed into a box, which takes the focus first.
inline void typeInto(HWND box, const std::string& keys) {
    SetFocus(box);
    typeHere(keys);
}

// A mouse button pressed and let go on the middle of a list's row, with the
// keys (MK_CONTROL, MK_SHIFT) held.
inline void mouseOnRow(HWND list, int row, UINT press, WPARAM keys) {
    RECT shown{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&shown));
    const LPARAM at = MAKELPARAM((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2);
    PostMessageW(list, press, keys | MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, keys, at);
    settle();
}

inline void clickRow(HWND list, int row) { mouseOnRow(list, row, WM_LBUTTONDOWN, 0); }
inline void doubleClickRow(HWND list, int row) {
    clickRow(list, row);
    mouseOnRow(list, row, WM_LBUTTONDBLCLK, 0);
}

// A modifier key held down through the system's input while other keys are
// pressed, until the thread's keyboard state shows it.
struct Held {
    explicit Held(WORD key) : key(key) { send(0, true); }
    ~Held() { send(KEYEVENTF_KEYUP, false); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    void send(DWORD flags, bool down) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof input);
        for (int wait = 0; wait < 100 && ((GetKeyState(key) & 0x8000) != 0) != down; ++wait) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            settle();
        }
    }
    WORD key;
};
