#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system/posix_files.h"
#include "tests/support/temporary_folder.h"

namespace {

// The program's paths are Windows-1252 texts; on disk they are UTF-8 names.
TEST(PosixFiles, PathsAreConvertedToTheSystemsEncoding) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.path + "/B\xC3\xBC" "cher");  // "Bücher" as the system names it
    platform::Files& files = platform::systemFiles();
    const std::string cp1252Folder = folder.path + "/B\xFC" "cher";

    platform::Files::Handle handle = 0;
    ASSERT_EQ(files.createNew(cp1252Folder + "/Lekt\xFCre.pmr", 0644, handle), 0);
    ASSERT_EQ(files.write(handle, "bytes"), 0);
    ASSERT_EQ(files.close(handle), 0);
    EXPECT_EQ(readFile(folder.path + "/B\xC3\xBC" "cher/Lekt\xC3\xBC" "re.pmr"), "bytes");

    std::string contents;
    ASSERT_EQ(files.readFile(cp1252Folder + "/Lekt\xFCre.pmr", 100, contents), 0);
    EXPECT_EQ(contents, "bytes");

    std::filesystem::create_symlink("Lekt\xC3\xBC" "re.pmr", folder.path + "/B\xC3\xBC" "cher/link");
    std::string target;
    ASSERT_EQ(files.readLink(cp1252Folder + "/link", target), 0);
    EXPECT_EQ(target, "Lekt\xFCre.pmr");
}

}  // namespace
