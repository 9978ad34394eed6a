#pragma once

#include <QFontMetrics>

#include "platform/text_measure.h"

namespace platform::qt {

// Measures texts in the given font, the one the list boxes are drawn with.
// Extents are in units of `pixelsPerUnit` pixels each.
class QtTextMeasure final : public TextMeasure {
  public:
    explicit QtTextMeasure(const QFont& font, double pixelsPerUnit = 1.0)
        : metrics(font), pixelsPerUnit(pixelsPerUnit) {}

    // A measure whose unit is `dialogUnitsPerUnit` horizontal dialog units of
    // `font`, so that extents given against tab stops in dialog units hold at
    // any font size and scale factor.
    static QtTextMeasure inDialogUnits(const QFont& font, double dialogUnitsPerUnit);

    std::size_t fittingPrefix(std::string_view text, int units) const override;

  private:
    QFontMetrics metrics;
    double pixelsPerUnit;
};

}  // namespace platform::qt
