#include <gtest/gtest.h>

#include "platform/help_contents.h"

namespace {

using platform::HelpContentsEntry;
using platform::parseHelpContents;

TEST(HelpContents, ReadsTheTitleAndTheEntriesWithTheirLevelsAndAnchors) {
    const auto contents = parseHelpContents(
        ":Base guide.hlp\r\n"
        ":Title  Guide Help \r\n"
        "1 Getting started=start\r\n"
        "1 Menus\r\n"
        "2 File menu = file\r\n"
        "2 A=B means equal=equal\n"
        "\r\n"
        "not an entry\r\n"
        "0 Level zero=zero\r\n"
        "1 =untitled\r\n"
        "1 Last=last");
    EXPECT_EQ(contents.title, "Guide Help");
    EXPECT_EQ(contents.entries, (std::vector<HelpContentsEntry>{{1, "Getting started", "start"},
                                                                {1, "Menus", ""},
                                                                {2, "File menu", "file"},
                                                                {2, "A=B means equal", "equal"},
                                                                {1, "Last", "last"}}));
}

TEST(HelpContents, AnEntryNeverLiesMoreThanOneLevelBelowTheOneBefore) {
    const auto contents = parseHelpContents("3 First=a\n4 Second=b\n2 Third=c\n5 Fourth=d\n");
    std::vector<int> levels;
    for (const auto& entry : contents.entries) levels.push_back(entry.level);
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 2, 3}));
    EXPECT_EQ(contents.title, "");
}

}  // namespace
