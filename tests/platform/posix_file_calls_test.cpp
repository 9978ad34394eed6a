#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/posix_file_calls.h"
#include "tests/support/temporary_folder.h"

namespace {

// Paths are the system's own bytes, passed on unchanged both ways: UTF-8
// names in letters Windows-1252 has or has not, and a name that is no UTF-8
// at all ("\xFC" alone, as an old Latin-1 system writes "ü").
TEST(PosixFileCalls, PathsAreTheSystemsOwnBytes) {
    TemporaryFolder folder;
    platform::PosixFileCalls& files = platform::systemFileCalls();
    for (const std::string name : {"Bücher", "Документы",
                                   "B\xFC"
                                   "cher"}) {
        SCOPED_TRACE(name);
        const TestPath inner = folder / name;
        std::filesystem::create_directory(inner);

        platform::PosixFileCalls::Handle handle = 0;
        ASSERT_EQ(files.createNew(TestPath(inner + "/Lektüre.pmr"), 0644, handle), 0);
        ASSERT_EQ(files.write(handle, "bytes"), 0);
        ASSERT_EQ(files.close(handle), 0);
        EXPECT_EQ(readFile(inner + "/Lektüre.pmr"), "bytes");

        std::string contents;
        ASSERT_EQ(files.readFile(TestPath(inner + "/Lektüre.pmr"), 100, contents), 0);
        EXPECT_EQ(contents, "bytes");

        std::filesystem::create_symlink(name + ".pmr", inner + "/link");
        platform::SystemPath target;
        ASSERT_EQ(files.readLink(TestPath(inner + "/link"), target), 0);
        EXPECT_EQ(target, TestPath(name + ".pmr"));
    }
}

}  // namespace
