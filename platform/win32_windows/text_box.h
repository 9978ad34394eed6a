#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

// Lets a text box take every character, of any script, typed or pasted, up
// to `maxCharacters` characters (code points; 0 for no limit): a character
// beyond it is refused, and a paste is cut to the room left. The system's
// own limit counts UTF-16 units, in which a character takes one or two; a
// character typed as a surrogate pair goes in as one change.
void limitTextBoxCharacters(HWND box, int maxCharacters);

// The text cut to its first `maxCharacters` characters (all of it for 0).
std::wstring firstCharacters(std::wstring text, int maxCharacters);

}  // namespace platform::win32
