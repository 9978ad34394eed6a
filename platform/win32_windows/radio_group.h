#pragma once

#include <windows.h>

#include <vector>

namespace platform::win32 {

// The radio buttons of a button's group: its siblings from the control
// carrying WS_GROUP up to the next one, as the dialog manager counts them.
std::vector<HWND> radioGroupOf(HWND button);

// Checks or unchecks a radio button; checking it unchecks the rest of its
// group, disabled ones too, which the system's own click passes by.
void setRadioChecked(HWND button, bool checked);

// The group's one tab stop stands at its checked button, else at its first.
void placeGroupTabStop(HWND button);

}  // namespace platform::win32
