#pragma once

#include <windows.h>

#include <memory>

#include "platform/text_measure.h"

namespace platform::win32 {

// Measures texts in a font on the screen's device context. Extents are in
// units of `pixelsPerUnit` pixels each.
class Win32TextMeasure final : public TextMeasure {
  public:
    Win32TextMeasure(const LOGFONTW& font, double pixelsPerUnit);
    ~Win32TextMeasure() override;
    Win32TextMeasure(const Win32TextMeasure&) = delete;
    Win32TextMeasure& operator=(const Win32TextMeasure&) = delete;

    // The list boxes' measure: the dialog font, one unit being
    // `dialogUnitsPerUnit` of its horizontal dialog units.
    static std::unique_ptr<Win32TextMeasure> inDialogUnits(double dialogUnitsPerUnit);

    std::size_t fittingPrefix(std::string_view text, int units) const override;

  private:
    HFONT font;
    double pixelsPerUnit;
};

}  // namespace platform::win32
