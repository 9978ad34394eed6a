#pragma once

#include <windows.h>

namespace platform::win32 {

// Lets only characters Windows-1252 holds be typed or pasted into a text box,
// since the program keeps its texts in it; a box that holds a path takes any
// name the system can hold. A refused key or paste is dropped without a sound.
void filterTextBoxInput(HWND box, bool holdsPath);

}  // namespace platform::win32
