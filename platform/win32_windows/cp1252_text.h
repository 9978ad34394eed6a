#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/system_path.h"

namespace platform::win32 {

// Texts cross between the program's Windows-1252 bytes and the system's
// UTF-16 here, and only here; paths cross as their UTF-8 (WTF-8) names
// through platform/win32/wide_text.h.
std::wstring toWide(std::string_view cp1252);
std::string fromWide(std::wstring_view text);
// The Windows-1252 byte of one UTF-16 unit, when it has one (a surrogate has none).
std::optional<char> cp1252ByteOf(wchar_t unit);

// A window's text (a caption, a text box's contents) as the system holds it.
std::wstring windowText(HWND window);

}  // namespace platform::win32
