#pragma once

#include <windows.h>
#include <usp10.h>

#include <string_view>

namespace platform::win32 {

// One line of text measured and drawn through Uniscribe's ScriptString
// calls, in the font selected into `dc`: complex scripts are shaped (right to
// left runs, joining letters, combining marks) and characters the font lacks
// come from the system's fallback fonts.

// A text shaped once, to be measured and drawn without shaping it again.
// Empty when the text is empty or could not be analysed.
struct ShapedText {
    SCRIPT_STRING_ANALYSIS analysis = nullptr;

    ShapedText(HDC dc, std::wstring_view text);
    ~ShapedText();
    ShapedText(ShapedText&& other) noexcept : analysis(other.analysis) { other.analysis = nullptr; }
    ShapedText(const ShapedText&) = delete;
    ShapedText& operator=(const ShapedText&) = delete;
    ShapedText& operator=(ShapedText&&) = delete;
};

int shapedTextWidth(const ShapedText& shaped);
int shapedTextWidth(HDC dc, std::wstring_view text);

// Draws with the text's cell at (x, y) as the context's text alignment
// places it, clipped to `clip` when one is given; the background as the
// context's background mode says.
void drawShapedText(const ShapedText& shaped, int x, int y, const RECT* clip = nullptr);
void drawShapedText(HDC dc, int x, int y, std::wstring_view text, const RECT* clip = nullptr);

}  // namespace platform::win32
