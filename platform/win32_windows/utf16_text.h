#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform::win32 {

// Texts cross between the program's UTF-8 and the system's UTF-16 here, and
// only here; paths cross as their UTF-8 (WTF-8) names through
// platform/win32/wide_text.h.
std::wstring toWide(std::string_view text);
std::string fromWide(std::wstring_view text);

// A window's text (a caption, a text box's contents) as the system holds it.
std::wstring windowText(HWND window);

}  // namespace platform::win32
