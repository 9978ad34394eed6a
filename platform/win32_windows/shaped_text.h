#pragma once

#include <windows.h>

#include <string_view>

namespace platform::win32 {

// One line of text measured and drawn through Uniscribe's ScriptString
// calls, in the font selected into `dc`: complex scripts are shaped (right to
// left runs, joining letters, combining marks) and characters the font lacks
// come from the system's fallback fonts.

int shapedTextWidth(HDC dc, std::wstring_view text);

// Draws with the text's cell at (x, y) as the context's text alignment
// places it, clipped to `clip` when one is given; the background as the
// context's background mode says.
void drawShapedText(HDC dc, int x, int y, std::wstring_view text, const RECT* clip = nullptr);

}  // namespace platform::win32
