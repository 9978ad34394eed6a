#include "platform/bar_chart_layout.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using platform::ChartBar;
using platform::ChartBox;

bool apart(const ChartBox& a, const ChartBox& b) { return a.left + a.width <= b.left || b.left + b.width <= a.left; }

// Over generated charts, as wide as a dialog makes them or just a pixel a bar:
// bars stay inside the control and apart, on the axis, in their order, with
// heights in the order of their values, the tallest at the top of the room;
// the texts shown never overlap, and the first bar always has its texts.
TEST(BarChartLayout, BarsAndTextsFitWithoutOverlapping) {
    std::mt19937 random(307);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const platform::TextWidth sevenPerByte = [](const std::string& text) { return 7 * static_cast<int>(text.size()); };
    for (int round = 0; round < 300; ++round) {
        std::vector<ChartBar> bars(static_cast<std::size_t>(between(1, 128)));
        for (std::size_t at = 0; at < bars.size(); ++at) bars[at] = {std::to_string(1980 + at), between(0, 3000)};
        const int width = between(static_cast<int>(bars.size()), 900), height = between(60, 400), textHeight = 15;
        const platform::BarChartLayout layout = platform::layOutBarChart(bars, width, height, textHeight, sevenPerByte);
        SCOPED_TRACE(testing::Message() << bars.size() << " bars in " << width << " x " << height);
        ASSERT_EQ(layout.bars.size(), bars.size());
        EXPECT_TRUE(layout.bars[0].labelShown);
        EXPECT_TRUE(layout.bars[0].valueShown);
        int highest = 0;
        for (const ChartBar& bar : bars) highest = std::max(highest, bar.value);
        for (std::size_t at = 0; at < bars.size(); ++at) {
            const platform::PlacedBar& placed = layout.bars[at];
            EXPECT_EQ(placed.bar.top + placed.bar.height, layout.axisTop);
            EXPECT_GE(placed.bar.top, textHeight);
            EXPECT_GE(placed.bar.left, 0);
            EXPECT_LE(placed.bar.left + placed.bar.width, width);
            EXPECT_EQ(placed.valueText, std::to_string(bars[at].value));
            if (bars[at].value == highest && highest > 0) {
                EXPECT_LE(placed.bar.top, textHeight + 3);
            }
            for (std::size_t other = at + 1; other < bars.size(); ++other) {
                const platform::PlacedBar& next = layout.bars[other];
                if (bars[at].value < bars[other].value) {
                    EXPECT_LE(placed.bar.height, next.bar.height);
                }
                if (other == at + 1) {
                    EXPECT_LE(placed.bar.left + placed.bar.width, next.bar.left);
                }
                if (placed.labelShown && next.labelShown) {
                    EXPECT_TRUE(apart(placed.labelBox, next.labelBox));
                }
                if (placed.valueShown && next.valueShown) {
                    EXPECT_TRUE(apart(placed.valueBox, next.valueBox));
                }
            }
        }
    }
}

TEST(BarChartLayout, TheTextEquivalentNamesEveryBar) {
    EXPECT_EQ(platform::chartTextEquivalent({}), "");
    EXPECT_EQ(platform::chartTextEquivalent({{"2019", 3}, {"2020", 0}}), "2019: 3, 2020: 0");
}

}  // namespace
