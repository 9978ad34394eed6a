#include "platform/win32_windows/cp1252_text.h"

#include "platform/cp1252.h"

namespace platform::win32 {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring toWide(std::string_view cp1252) {
    const std::u16string units = cp1252ToUtf16(cp1252);
    return {units.begin(), units.end()};
}

std::string fromWide(std::wstring_view text) {
    return utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::optional<char> cp1252ByteOf(wchar_t unit) {
    const std::string byte = fromWide(std::wstring_view(&unit, 1));
    if (byte == "?" && unit != L'?') return std::nullopt;
    return byte.front();
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace platform::win32
