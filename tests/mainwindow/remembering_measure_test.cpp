#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "mainwindow/remembering_measure.h"
#include "platform/testing/fixed_width_measure.h"

namespace {

// A measure whose answer depends on the text and the width, and that counts
// how often it is asked about each.
struct CountingMeasure final : platform::TextMeasure {
    std::size_t fittingPrefix(std::string_view text, int extent) const override {
        ++asked[{std::string(text), extent}];
        return std::min(text.size(), static_cast<std::size_t>(extent / (text.size() % 3 + 4)));
    }
    mutable std::map<std::pair<std::string, int>, int> asked;
};

TEST(RememberingMeasure, AnswersAsTheMeasureItWrapsAndAsksItOncePerTextAndWidth) {
    const CountingMeasure counting;
    const RememberingMeasure remembering(counting);
    const std::vector<std::string> texts = {
        "", "A", "Tolkien, J.R.R.", "The Lord of the Rings", std::string(255, 'W'), "tolkien, j.r.r."};
    for (int round = 0; round < 3; ++round)
        for (const std::string& text : texts)
            for (int extent : {200, 380, 0, 7}) {
                const CountingMeasure fresh;
                ASSERT_EQ(remembering.fittingPrefix(text, extent), fresh.fittingPrefix(text, extent))
                    << text << " " << extent;
            }
    EXPECT_EQ(counting.asked.size(), texts.size() * 4);
    for (const auto& [question, times] : counting.asked)
        EXPECT_EQ(times, 1) << question.first << " " << question.second;
}

TEST(RememberingMeasure, KeepsAnsweringRightWhenItStartsAfresh) {
    const platform::scripted::FixedWidthMeasure fixed(5);
    const RememberingMeasure remembering(fixed);
    // One more text than it keeps, and the first ones asked again after it dropped them.
    for (std::size_t n = 0; n <= RememberingMeasure::MostKept; ++n) {
        const std::string text = std::to_string(n) + " " + std::string(n % 90, 'x');
        ASSERT_EQ(remembering.fittingPrefix(text, 200), fixed.fittingPrefix(text, 200));
    }
    EXPECT_EQ(remembering.fittingPrefix("0 ", 200), 2u);
    EXPECT_EQ(remembering.fittingPrefix(std::string(60, 'x'), 200), 40u);
}

}  // namespace
