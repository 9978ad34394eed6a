// The settings file: one line naming the last catalogue.
#include <gtest/gtest.h>

#include "platform/testing/failing_system_files.h"
#include "storage/settings_file.h"
#include "tests/storage/storage_test_support.h"

namespace {

using namespace storage_test;
using platform::Answer;

TEST(SettingsFile, ItLivesInTheStartDirectory) {
    const std::string books = std::string("books") + PathSeparator;
    EXPECT_EQ(settingsPath(TestPath("books")), TestPath(books + "quorvels.ini"));
    EXPECT_EQ(settingsPath(TestPath(books)), TestPath(books + "quorvels.ini"));
    EXPECT_EQ(settingsPath(TestPath(std::string(1, PathSeparator))),
              TestPath(std::string(1, PathSeparator) + "quorvels.ini"));
    EXPECT_EQ(settingsPath({}), TestPath("quorvels.ini"));
}

TEST(SettingsFile, FirstStartWithoutAFileGivesNoCatalogueAndWritesNothing) {
    TempDir dir;
    OpenedFile file;
    file.path = TestPath("stale");
    readSettings(file, dir.path, platform::systemFiles());
    EXPECT_EQ(file.path, platform::SystemPath{});
    int error = -1;
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles(), &error), platform::SystemPath{});
    EXPECT_EQ(error, 0);  // a missing file is the normal first start
    EXPECT_TRUE(namesIn(dir.path).empty());
}

TEST(SettingsFile, OnlyTheFirstLineIsReadWithoutItsLineEnd) {
    TempDir dir;
    writeBytes(dir / "quorvels.ini", "/data/books.pmr\r\n/data/other.pmr\r\nmore\r\n");
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles()), TestPath("/data/books.pmr"));
    writeBytes(dir / "quorvels.ini", "/data/unix.pmr\nsecond\n");
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles()), TestPath("/data/unix.pmr"));
    writeBytes(dir / "quorvels.ini", "/data/no line end.pmr");
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles()), TestPath("/data/no line end.pmr"));
    writeBytes(dir / "quorvels.ini", "");
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles()), platform::SystemPath{});
    writeBytes(dir / "quorvels.ini", "\r\n/data/second.pmr\r\n");
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles()), platform::SystemPath{});
}

TEST(SettingsFile, AWriteLeavesExactlyOneLine) {
    TempDir dir;
    writeBytes(dir / "quorvels.ini", "/old/first.pmr\r\n/old/second.pmr\r\n");
    Ui ui;
    OpenedFile file;
    file.path = TestPath("/data/books.pmr");
    EXPECT_TRUE(writeSettingsTelling(file, dir.path, ui.storage));
    EXPECT_EQ(readBytes(dir / "quorvels.ini"), "/data/books.pmr\r\n");
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"quorvels.ini"});
}

TEST(SettingsFile, APathWithBlanksAndHighBytesIsKeptWhole) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    file.path = TestPath("/home/ann/My Books/caf\xE9 list 2005.pmr");
    EXPECT_TRUE(writeSettingsTelling(file, dir.path, ui.storage));
    EXPECT_EQ(readBytes(dir / "quorvels.ini"), file.path.systemBytes() + "\r\n");
    OpenedFile nextFile;
    readSettings(nextFile, dir.path, platform::systemFiles());
    EXPECT_EQ(nextFile.path, file.path);
}

TEST(SettingsFile, WrittenAfterOpenAndAfterSaveAs) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    // Open: fileName := the chosen path, then writeSettings.
    file.path = dir / "opened.pmr";
    ASSERT_TRUE(writeSettingsTelling(file, dir.path, ui.storage));
    EXPECT_EQ(readBytes(dir / "quorvels.ini"), (dir / "opened.pmr") + "\r\n");
    // Save As: fileName := the new path, then writeSettings.
    file.path = dir / "saved as.pmr";
    ASSERT_TRUE(writeSettingsTelling(file, dir.path, ui.storage));
    EXPECT_EQ(readBytes(dir / "quorvels.ini"), (dir / "saved as.pmr") + "\r\n");
    OpenedFile nextFile;
    readSettings(nextFile, dir.path, platform::systemFiles());
    EXPECT_EQ(nextFile.path, dir / "saved as.pmr");
}

TEST(SettingsFile, AFailedWriteIsReportedAndTheOldFileStays) {
    TempDir dir;
    writeBytes(dir / "quorvels.ini", "/old.pmr\r\n");
    makeReadOnly(dir / "quorvels.ini");
    Ui ui;
    ui.messages.expect(Answer::Ok);
    OpenedFile file;
    file.path = TestPath("/new.pmr");
    EXPECT_FALSE(writeSettingsTelling(file, dir.path, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    // The reason is the system's own words for a refused write.
    const std::string& text = ui.messages.shown[0].text;
    const std::string start = "File Name: " + (dir / "quorvels.ini") + "\r\nThe settings file could not be written: ";
    const std::string end = " (the file is read-only).\r\nThe catalogue /new.pmr will not be opened at the next start.";
    EXPECT_EQ(text.substr(0, start.size()), start) << text;
    EXPECT_TRUE(text.size() > start.size() + end.size() && text.substr(text.size() - end.size()) == end) << text;
    EXPECT_EQ(ui.messages.shown[0].caption, "File Error");
    EXPECT_EQ(readBytes(dir / "quorvels.ini"), "/old.pmr\r\n");
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"quorvels.ini"});
}

TEST(SettingsFile, AMissingStartDirectoryIsReported) {
    TempDir dir;
    Ui ui;
    ui.messages.expect(Answer::Ok);
    OpenedFile file;
    file.path = TestPath("/new.pmr");
    EXPECT_FALSE(writeSettingsTelling(file, dir / "gone", ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_NE(ui.messages.shown[0].text.find(missingFolderReason()), std::string::npos);
}

TEST(SettingsFile, ANameWithALineBreakIsNotWritten) {
    TempDir dir;
    writeBytes(dir / "quorvels.ini", "/old.pmr\r\n");
    Ui ui;
    ui.messages.expect(Answer::Ok);
    OpenedFile file;
    file.path = TestPath("/odd\nname.pmr");
    EXPECT_FALSE(writeSettingsTelling(file, dir.path, ui.storage));
    EXPECT_NE(ui.messages.shown.at(0).text.find("line break"), std::string::npos);
    EXPECT_EQ(readBytes(dir / "quorvels.ini"), "/old.pmr\r\n");
}

TEST(SettingsFile, AnUnreadableSettingsFileGivesNoCatalogueAndSaysWhy) {
    TempDir dir;
    fs::create_directory(dir / "quorvels.ini");
    int error = 0;
    EXPECT_EQ(readSettings(dir.path, platform::systemFiles(), &error), platform::SystemPath{});
    EXPECT_EQ(error, EISDIR);
}

TEST(SettingsFile, EveryCallOfTheWriteFailingOnceOrForGoodLeavesTheOldFile) {
    TempDir dir;
    OpenedFile file;
    file.path = TestPath("/new.pmr");
    std::size_t calls = 0;
    {
        writeBytes(dir / "quorvels.ini", "/old.pmr\r\n");
        FailingSystemFiles failing;
        Ui ui(failing.files);
        ASSERT_TRUE(writeSettingsTelling(file, dir.path, ui.storage));
        calls = failing.calls.calls.size();
    }
    for (const auto failure : {FailingSystemFiles::Failure::Once, FailingSystemFiles::Failure::ForGood})
        for (std::size_t k = 0; k < calls; ++k) {
            writeBytes(dir / "quorvels.ini", "/old.pmr\r\n");
            FailingSystemFiles failing;
            failing.calls.failAt = static_cast<int>(k);
            failing.calls.failure = failure;
            Ui ui(failing.files);
            ui.messages.expect(Answer::Ok);
            const bool written = writeSettingsTelling(file, dir.path, ui.storage);
            SCOPED_TRACE(failing.calls.failedCall());
            const std::string now = readBytes(dir / "quorvels.ini");
            EXPECT_TRUE(now == "/old.pmr\r\n" || now == "/new.pmr\r\n");
            EXPECT_EQ(written, now == "/new.pmr\r\n");
            EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"quorvels.ini"});
        }
}

}  // namespace
