#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_spec.h"

namespace platform::win32 {

// The system's window classes of the controls, as dialog templates name them.
inline constexpr WORD ButtonClass = 0x0080;
inline constexpr WORD EditClass = 0x0081;
inline constexpr WORD StaticClass = 0x0082;
inline constexpr WORD ListBoxClass = 0x0083;
inline constexpr WORD ComboBoxClass = 0x0085;

struct ControlStyle {
    WORD windowClass = StaticClass;
    DWORD style = 0;
    DWORD extendedStyle = 0;
};

// The class and styles of each control, in table order. Every control begins
// a group (WS_GROUP) except a radio button that follows one of its group, so
// that the dialog manager's groups hold radio buttons only; a radio group's
// tab stop starts at its first button.
std::vector<ControlStyle> controlStyles(const std::vector<ControlSpec>& controls);

// The window's own style: a fixed frame with a caption and a close box.
DWORD windowStyle(const WindowSpec& blueprint);

}  // namespace platform::win32
