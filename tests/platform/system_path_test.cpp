// A path holds the system's bytes as they are, whatever they are, and joins a
// name to a folder as the system writes paths.
#include <gtest/gtest.h>

#include "platform/path_form.h"
#include "platform/system_path.h"

namespace {

using platform::SystemPath;

TEST(SystemPath, KeepsTheSystemsBytesAsTheyAre) {
    const std::string bytes =
        "B\xFC"
        "cher/\xD0\x9A.pmr";  // a byte that is no UTF-8, then Cyrillic
    const SystemPath path = SystemPath::fromSystem(bytes);
    EXPECT_EQ(path.systemBytes(), bytes);
    EXPECT_FALSE(path.empty());
    EXPECT_TRUE(SystemPath{}.empty());
    EXPECT_EQ(platform::withSuffix(path, ".bak").systemBytes(), bytes + ".bak");
    EXPECT_LT(SystemPath::fromSystem("a.pmr"), SystemPath::fromSystem("b.pmr"));
    EXPECT_NE(path, SystemPath::fromSystem("b\xFC"
                                           "cher/\xD0\x9A.pmr"));
}

TEST(SystemPath, AJoinedNameFollowsOneSeparator) {
    const SystemPath folder = SystemPath::fromSystem("books");
    const SystemPath name = SystemPath::fromSystem("quorvels.ini");
    const SystemPath joined = platform::inFolder(folder, name);
    EXPECT_EQ(joined.systemBytes(), platform::withFinalSeparator(folder).systemBytes() + "quorvels.ini");
    EXPECT_EQ(platform::inFolder(platform::withFinalSeparator(folder), name), joined);
    EXPECT_EQ(platform::fileNameOf(joined), name);
}

}  // namespace
