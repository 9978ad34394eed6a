// Catalogue files on a POSIX file system: permission bits that bind an
// unprivileged user, a read-only file in a read-only folder, the umask.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "storage/catalogue_file.h"
#include "tests/storage/storage_test_support.h"
#include "tests/support/unprivileged_user.h"

namespace {

using namespace storage_test;
using platform::Answer;

TEST(CatalogueFile, AnUnreadableFileIsReported) {
    TempDir dir;
    writeBytes(dir / "secret.pmr", Layout{}.counts(0, 0).bytes);
    ::chmod((dir / "secret.pmr").c_str(), 0);
    AsUnprivilegedUser nobody;
    Ui ui;
    ui.messages.expect(Answer::Ok);
    Catalogue c;
    OpenedFile file;
    file.path = dir / "secret.pmr";
    EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_NE(ui.messages.shown[0].text.find("Permission denied"), std::string::npos);
    EXPECT_EQ(file.path, platform::SystemPath{});
}

TEST(CatalogueFile, LoadingNeverWritesToTheFileOrItsFolder) {
    TempDir dir;
    const std::string bytes = Layout{}.counts(1, 1).record(1, 1, 0, 0, 2, "T", "").author("A").date(0).bytes;
    writeBytes(dir / "c.pmr", bytes);
    ::chmod((dir / "c.pmr").c_str(), 0444);
    ::chmod(dir.path.c_str(), 0555);
    struct stat before {};
    ::stat((dir / "c.pmr").c_str(), &before);
    Ui ui;
    Catalogue c;
    OpenedFile file;
    file.path = dir / "c.pmr";
    ASSERT_TRUE(loadCatalogueTelling(c, file, ui.storage));
    EXPECT_EQ(recordCount(c.books), 1);
    struct stat after {};
    ::stat((dir / "c.pmr").c_str(), &after);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(readBytes(dir / "c.pmr"), bytes);
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"c.pmr"});
}

TEST(CatalogueSave, ANewFileGetsTheUsualPermissions) {
    TempDir dir;
    const mode_t old = ::umask(022);
    Catalogue c;
    OpenedFile file;
    insertRecord(c, "A", "B", "", 0, 0, 0);
    Ui ui;
    file.path = dir / "n.pmr";
    c.books.changed = true;
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    ::umask(old);
    EXPECT_EQ(permissionsOf(dir / "n.pmr"), 0644u);
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"n.pmr"});
}

}  // namespace
