#include <gtest/gtest.h>

#include "platform/tab_stops.h"

namespace {

using platform::tabbedPartStarts;

TEST(TabStops, PartsStartAtTheirStops) {
    EXPECT_EQ(tabbedPartStarts({6, 80, 200, 60}, {18, 210, 560}, 4), (std::vector<int>{0, 18, 210, 560}));
}

TEST(TabStops, APartThatReachesAStopMovesToTheNextOne) {
    // The author ends exactly on the title stop, then runs past it.
    EXPECT_EQ(tabbedPartStarts({6, 192, 10}, {18, 210, 560}, 4), (std::vector<int>{0, 18, 560}));
    EXPECT_EQ(tabbedPartStarts({6, 250, 10}, {18, 210, 560}, 4), (std::vector<int>{0, 18, 560}));
}

TEST(TabStops, PastTheLastStopATabIsOneBlank) {
    EXPECT_EQ(tabbedPartStarts({6, 600, 50}, {18, 210, 560}, 4), (std::vector<int>{0, 18, 622}));
    EXPECT_EQ(tabbedPartStarts({10, 10}, {}, 3), (std::vector<int>{0, 13}));
}

TEST(TabStops, ATextWithoutTabsIsOnePart) {
    EXPECT_EQ(tabbedPartStarts({42}, {18}, 4), std::vector<int>{0});
    EXPECT_TRUE(tabbedPartStarts({}, {18}, 4).empty());
}

}  // namespace
