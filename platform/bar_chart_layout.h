#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace platform {

// Where a bar chart's parts go, in the pixels of its control, so that every
// toolkit draws the same chart and only paints what it is told.
struct ChartBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ChartBox&) const = default;
};

struct PlacedBar {
    ChartBox bar;            // height 0 for a value of 0
    ChartBox labelBox;       // below the axis; its text centred in it
    ChartBox valueBox;       // just above the bar; its text centred in it
    std::string valueText;   // the value in digits
    bool labelShown = true;  // false where the columns are too narrow for every label
    bool valueShown = true;  // the same for the values
};

struct BarChartLayout {
    int axisTop = 0;  // the axis: a line of one pixel from the left edge to the right one
    std::vector<PlacedBar> bars;
};

// The colour bars are filled with; texts and the axis are the window's text colour.
inline constexpr Colour ChartBarColour{70, 110, 170};

// The chart's layout in a control of width by height pixels, for texts
// textHeight pixels high, measured by textWidth. Each bar has an equal
// column, two thirds of it filled; the tallest value reaches one text height
// below the top. Where columns are narrower than the widest label (or value)
// and half a text height, only every n-th bar from the first has its label
// (or value), so that no two texts overlap. A column is at least a pixel
// wide: in a control narrower than its bars are many, the last ones fall
// beyond its right edge.
using TextWidth = std::function<int(const std::string& text)>;
BarChartLayout layOutBarChart(const std::vector<ChartBar>& bars, int width, int height, int textHeight,
                              const TextWidth& textWidth);

// What a screen reader tells of the chart: "2019: 3, 2020: 0", "" without bars.
std::string chartTextEquivalent(const std::vector<ChartBar>& bars);

}  // namespace platform
