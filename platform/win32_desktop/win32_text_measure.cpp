#include "platform/win32_desktop/win32_text_measure.h"

#include "platform/utf16.h"
#include "platform/win32_desktop/dialog_font.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

Win32TextMeasure::Win32TextMeasure(const LOGFONTW& font, double pixelsPerUnit)
    : font(CreateFontIndirectW(&font)), pixelsPerUnit(pixelsPerUnit) {}

Win32TextMeasure::~Win32TextMeasure() { DeleteObject(font); }

std::unique_ptr<Win32TextMeasure> Win32TextMeasure::inDialogUnits(double dialogUnitsPerUnit) {
    const DialogFont dialog = dialogFont();
    return std::make_unique<Win32TextMeasure>(dialog.font, dialog.baseUnitX / 4.0 * dialogUnitsPerUnit);
}

std::size_t Win32TextMeasure::fittingPrefix(std::string_view text, int units) const {
    const int extent = static_cast<int>(units * pixelsPerUnit);  // whole pixels, rounded down
    if (extent < 0) return 0;
    // Measured in the text's UTF-16 units, answered in its bytes.
    const std::wstring shown = toWide(text);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    INT fitting = 0;
    SIZE size{};
    GetTextExtentExPointW(screen, shown.data(), static_cast<int>(shown.size()), extent, &fitting, nullptr, &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return utf8PrefixOfUtf16Units(text, static_cast<std::size_t>(fitting));
}

}  // namespace platform::win32
