#include "platform/qt_windows/bar_chart.h"

#include <QPainter>

#include "platform/bar_chart_layout.h"
#include "platform/qt_windows/qt_text.h"

namespace platform::qt {

namespace {

QRect toRect(const ChartBox& box) { return {box.left, box.top, box.width, box.height}; }

}  // namespace

void BarChartView::setBars(std::vector<ChartBar> bars) {
    shown = std::move(bars);
    setAccessibleDescription(toQt(chartTextEquivalent(shown)));
    update();
}

void BarChartView::paintEvent(QPaintEvent*) {
    const QFontMetrics metrics = fontMetrics();
    const BarChartLayout layout =
        layOutBarChart(shown, width(), height(), metrics.height(),
                       [&](const std::string& text) { return metrics.horizontalAdvance(toQt(text)); });

    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.fillRect(0, layout.axisTop, width(), 1, palette().color(QPalette::WindowText));
    const QColor fill(ChartBarColour.red, ChartBarColour.green, ChartBarColour.blue);
    constexpr int centred = Qt::AlignCenter | Qt::TextDontClip | Qt::TextSingleLine;
    for (std::size_t at = 0; at < layout.bars.size(); ++at) {
        const PlacedBar& placed = layout.bars[at];
        if (placed.bar.height > 0) painter.fillRect(toRect(placed.bar), fill);
        if (placed.labelShown) painter.drawText(toRect(placed.labelBox), centred, toQt(shown[at].label));
        if (placed.valueShown) painter.drawText(toRect(placed.valueBox), centred, toQt(placed.valueText));
    }
}

}  // namespace platform::qt
