#include "platform/bar_chart_layout.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int TextGap = 2;  // pixels between a text and the axis or its bar

ChartBox centredText(int centre, int top, int widestText, int textHeight) {
    return {centre - widestText / 2, top, widestText, textHeight};
}

std::string valueTextOf(const ChartBar& bar) { return std::to_string(std::max(0, bar.value)); }

// How many columns one text takes with half a text height beside it.
int columnsPerText(int widestText, int textHeight, int column) {
    return std::max(1, (widestText + textHeight / 2 + column - 1) / column);
}

}  // namespace

BarChartLayout layOutBarChart(const std::vector<ChartBar>& bars, int width, int height, int textHeight,
                              const TextWidth& textWidth) {
    BarChartLayout layout;
    layout.axisTop = std::max(0, height - textHeight - TextGap - 1);
    if (bars.empty()) return layout;

    const int count = static_cast<int>(bars.size());
    const int column = std::max(1, width / count);
    const int firstColumn = std::max(0, (width - column * count) / 2);
    const int barWidth = std::max(1, column * 2 / 3);
    const int highest = std::max_element(bars.begin(), bars.end(), [](const ChartBar& a, const ChartBar& b) {
                            return a.value < b.value;
                        })->value;
    const int room = std::max(0, layout.axisTop - textHeight - TextGap);
    int widestLabel = 0, widestValue = 0;
    for (const ChartBar& bar : bars) {
        widestLabel = std::max(widestLabel, textWidth(bar.label));
        widestValue = std::max(widestValue, textWidth(valueTextOf(bar)));
    }
    const int labelEvery = columnsPerText(widestLabel, textHeight, column);
    const int valueEvery = columnsPerText(widestValue, textHeight, column);

    for (int at = 0; at < count; ++at) {
        const int value = std::max(0, bars[at].value);
        const int barHeight =
            highest > 0 ? static_cast<int>((static_cast<long long>(value) * room + highest / 2) / highest) : 0;
        const int left = firstColumn + at * column;
        const int centre = left + column / 2;
        PlacedBar placed;
        placed.bar = {centre - barWidth / 2, layout.axisTop - barHeight, barWidth, barHeight};
        placed.labelBox = centredText(centre, layout.axisTop + 1 + TextGap, widestLabel, textHeight);
        placed.valueBox = centredText(centre, placed.bar.top - TextGap - textHeight, widestValue, textHeight);
        placed.valueText = valueTextOf(bars[at]);
        placed.labelShown = at % labelEvery == 0;
        placed.valueShown = at % valueEvery == 0;
        layout.bars.push_back(std::move(placed));
    }
    return layout;
}

std::string chartTextEquivalent(const std::vector<ChartBar>& bars) {
    std::string text;
    for (const ChartBar& bar : bars) {
        if (!text.empty()) text += ", ";
        text += bar.label + ": " + valueTextOf(bar);
    }
    return text;
}

}  // namespace platform
