#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/win32_windows/list_box.h"
#include "platform/window.h"

namespace platform::win32 {

struct Control {
    ControlSpec blueprint;
    HWND hwnd = nullptr;
    ListBoxRows list;  // list boxes: what their rows show
    // Text boxes: the text when the box last told of a change. Some systems
    // tell also of a key the maximum length refused, which changed nothing.
    std::wstring text;
    std::vector<ChartBar> bars;  // bar charts: what they draw
};

// One running window: its blueprint, its handler, and the system's windows
// of it and its controls once they exist.
struct Win32Window {
    WindowSpec blueprint;
    WindowHandle handle;
    Handler handler;
    HWND owner = nullptr;
    HWND dialog = nullptr;
    std::vector<Control> controls;  // in creation order
    HBRUSH background = nullptr;
    // The push button the dialog manager holds as the default (DM_SETDEFID), if any.
    std::optional<int> defaultButton;
    int quiet = 0;  // above 0 while the program changes controls: the system's notifications are not the user's
    bool destroyed = false;

    void send(const Message& message) {
        if (!destroyed) handler(handle, message);
    }

    // The first control with the identifier (or window), or none.
    Control* control(int id) {
        for (Control& each : controls)
            if (each.blueprint.id == id) return &each;
        return nullptr;
    }
    Control* control(HWND hwnd) {
        for (Control& each : controls)
            if (each.hwnd == hwnd) return &each;
        return nullptr;
    }
};

// While the program changes a window's controls.
struct Quiet {
    explicit Quiet(Win32Window& window) : window(window) { ++window.quiet; }
    ~Quiet() { --window.quiet; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
    Win32Window& window;
};

}  // namespace platform::win32
