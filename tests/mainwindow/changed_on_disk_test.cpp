// A save over a file that another program has changed since it was opened or
// last saved asks first, and writes nothing before the answer; a file only
// touched, or replaced by one with the same bytes, is no change; a vanished
// file is written anew. Every save keeps the file it replaces as NAME.bak.
#include <gtest/gtest.h>

#include "core/ordering.h"
#include "mainwindow/storage_dialogue.h"
#include "tests/storage/storage_test_support.h"

namespace {

using namespace storage_test;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::string ourFile() { return Layout{}.counts(1, 1).record(1, 1, 1, 1, 2, "OUR BOOK", "").author("US").date(0).bytes; }

std::string theirFile() {
    return Layout{}.counts(1, 1).record(1, 1, 1, 1, 2, "THEIR BOOK", "").author("THEM").date(0).bytes;
}

// The catalogue of ourFile() at path, loaded into `file`, with a book added.
Catalogue openedAndChanged(const TestPath& path, OpenedFile& file, Ui& ui) {
    writeBytes(path, ourFile());
    Catalogue c;
    c.books.upperCase = true;
    file.path = path;
    EXPECT_TRUE(loadCatalogueTelling(c, file, ui.storage));
    insertRecord(c, "US", "ANOTHER BOOK", "", 0, 1, 1);
    c.books.changed = true;
    return c;
}

void expectChangedQuestion(const platform::scripted::ScriptedMessageBoxes::Shown& shown, const std::string& path) {
    EXPECT_EQ(shown.text, "File Name: " + path +
                              "\r\nThe file has been changed by another program since it was opened or last saved."
                              "\r\nYes saves over it, No saves under another name, Cancel keeps the changes unsaved.");
    EXPECT_EQ(shown.caption, "Save File");
    EXPECT_EQ(shown.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(shown.icon, Icon::Exclamation);
}

TEST(ChangedOnDisk, CancelWritesNothingAndKeepsTheChanges) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    writeBytes(dir / "c.pmr", theirFile());
    const std::string before = dump(c, file);
    ui.messages.expect(Answer::Cancel);
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    expectChangedQuestion(ui.messages.shown[0], dir / "c.pmr");
    EXPECT_EQ(readBytes(dir / "c.pmr"), theirFile());
    ui.hold.reset();  // on Windows the catalogue has its lock file beside it while held
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"c.pmr"});  // not even a backup
    EXPECT_EQ(dump(c, file), before);
    EXPECT_EQ(ui.statuses.back(), "");
}

TEST(ChangedOnDisk, YesSavesOverItAndKeepsTheOtherProgramsFileAsTheBackup) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    writeBytes(dir / "c.pmr", theirFile());
    ui.messages.expect(Answer::Yes);
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_FALSE(c.books.changed);
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), theirFile());
    Catalogue back;
    OpenedFile backFile;
    backFile.path = dir / "c.pmr";
    ASSERT_TRUE(loadCatalogueTelling(back, backFile, ui.storage));
    EXPECT_EQ(books(back), books(c));
    // The file is now the one this catalogue saved: the next save asks nothing.
    c.books.changed = true;
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_EQ(ui.messages.shown.size(), 1u);
}

TEST(ChangedOnDisk, NoGoesToSaveAs) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    writeBytes(dir / "c.pmr", theirFile());
    int saveAsCalls = 0;
    ui.storage.saveAs = [&] {
        ++saveAsCalls;
        file.path = dir / "mine.pmr";
        saveCatalogueAsking(c, file, ui.storage);
    };
    ui.messages.expect(Answer::No);
    EXPECT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_EQ(saveAsCalls, 1);
    EXPECT_EQ(ui.messages.shown.size(), 1u);  // the new name is not another program's file
    EXPECT_EQ(readBytes(dir / "c.pmr"), theirFile());
    ui.hold.reset();  // on Windows the catalogue has its lock file beside it while held
    EXPECT_EQ(namesIn(dir.path), (std::set<std::string>{"c.pmr", "mine.pmr"}));
}

TEST(ChangedOnDisk, AFileRewrittenWithTheSameBytesIsNoChange) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    writeBytes(dir / "c.pmr", ourFile());  // touched: a new modification time
    writeBytes(dir / "copy.pmr", ourFile());
    fs::rename(fsPath(dir / "copy.pmr"), fsPath(dir / "c.pmr"));  // another file with the same bytes
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_TRUE(ui.messages.shown.empty());
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), ourFile());
}

TEST(ChangedOnDisk, AVanishedFileIsWrittenAnew) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    fs::remove(fsPath(dir / "c.pmr"));
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_TRUE(ui.messages.shown.empty());
    ui.hold.reset();  // on Windows the catalogue has its lock file beside it while held
    EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"c.pmr"});  // nothing to keep as a backup
}

// The backup is one generation: each save replaces it with the file it replaces.
TEST(Backup, EachSaveKeepsTheFileItReplaces) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), ourFile());
    const std::string firstSave = readBytes(dir / "c.pmr");
    insertRecord(c, "US", "A THIRD BOOK", "", 0, 1, 1);
    c.books.changed = true;
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_EQ(readBytes(dir / "c.pmr.bak"), firstSave);
    Catalogue backup;
    OpenedFile backupFile;
    backupFile.path = dir / "c.pmr.bak";
    ASSERT_TRUE(loadCatalogueTelling(backup, backupFile, ui.storage));
    EXPECT_EQ(recordCount(backup.books), 2);
    EXPECT_TRUE(ui.messages.shown.empty());
}

// A backup that cannot be kept is said, with what is kept, and the save goes
// on only on Yes.
TEST(Backup, ABackupThatCannotBeKeptAsksWhetherToSaveWithoutIt) {
    TempDir dir;
    Ui ui;
    OpenedFile file;
    Catalogue c = openedAndChanged(dir / "c.pmr", file, ui);
    fs::create_directory(fsPath(dir / "c.pmr.bak"));  // a folder takes the backup's name
    ui.messages.expect(Answer::No);
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    const auto& shown = ui.messages.shown[0];
    EXPECT_EQ(shown.text.rfind("File Name: " + (dir / "c.pmr") + "\r\nThe file could not be kept as the backup " +
                                   (dir / "c.pmr.bak") + ": ",
                               0),
              0u)
        << shown.text;
    EXPECT_NE(
        shown.text.find(".\r\nSave all the same, without a backup? No writes nothing and keeps the changes unsaved."),
        std::string::npos)
        << shown.text;
    EXPECT_EQ(shown.caption, "Save File");
    EXPECT_EQ(shown.buttons, Buttons::YesNo);
    EXPECT_EQ(shown.icon, Icon::Exclamation);
    EXPECT_EQ(readBytes(dir / "c.pmr"), ourFile());
    EXPECT_TRUE(c.books.changed);

    ui.messages.expect(Answer::Yes);
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_FALSE(c.books.changed);
    EXPECT_NE(readBytes(dir / "c.pmr"), ourFile());
}

}  // namespace
