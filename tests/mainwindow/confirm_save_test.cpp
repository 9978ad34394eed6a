// confirmSaveChanges: the prompt, and saveCancelled whenever the
// changes were not saved after a Yes.
#include <gtest/gtest.h>

#include "core/ordering.h"
#include "mainwindow/storage_dialogue.h"
#include "tests/storage/storage_test_support.h"

namespace {

using namespace storage_test;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

// A changed catalogue, and `file` naming fileName.
Catalogue changedCatalogue(const TestPath& fileName, OpenedFile& file) {
    Catalogue c;
    c.books.upperCase = true;
    insertRecord(c, "AUTHOR", "TITLE", "", 0, 1, 1);
    file.path = fileName;
    return c;
}

void expectPrompt(const platform::scripted::ScriptedMessageBoxes::Shown& shown) {
    EXPECT_EQ(shown.text, "File records have changed...\r\ndo you want to save them?");
    EXPECT_EQ(shown.caption, "Save File");
    EXPECT_EQ(shown.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(shown.icon, Icon::Question);
}

TEST(ConfirmSaveChanges, WithoutChangesNothingIsAsked) {
    Ui ui;
    Catalogue c;
    OpenedFile file;
    EXPECT_FALSE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_TRUE(ui.messages.shown.empty());
}

TEST(ConfirmSaveChanges, CancelKeepsTheProgramRunning) {
    TempDir dir;
    Ui ui;
    ui.messages.expect(Answer::Cancel);
    OpenedFile file;
    Catalogue c = changedCatalogue(dir / "c.pmr", file);
    EXPECT_TRUE(confirmSaveChanges(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    expectPrompt(ui.messages.shown[0]);
    EXPECT_TRUE(c.books.changed);
    EXPECT_FALSE(exists(dir / "c.pmr"));
}

TEST(ConfirmSaveChanges, NoDropsTheChanges) {
    TempDir dir;
    Ui ui;
    ui.messages.expect(Answer::No);
    OpenedFile file;
    Catalogue c = changedCatalogue(dir / "c.pmr", file);
    EXPECT_FALSE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_FALSE(exists(dir / "c.pmr"));
}

TEST(ConfirmSaveChanges, YesSavesUnderTheFileName) {
    TempDir dir;
    Ui ui;
    ui.messages.expect(Answer::Yes);
    OpenedFile file;
    Catalogue c = changedCatalogue(dir / "c.pmr", file);
    EXPECT_FALSE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_FALSE(c.books.changed);
    EXPECT_EQ(readBytes(dir / "c.pmr").substr(0, 13), "Quorvels 2.00");
    EXPECT_EQ(ui.messages.shown.size(), 1u);
}

TEST(ConfirmSaveChanges, YesWithAFailedSaveKeepsTheProgramRunning) {
    TempDir dir;
    writeBytes(dir / "c.pmr", "old");
    makeReadOnly(dir / "c.pmr");
    Ui ui;
    ui.messages.expect(Answer::Yes);
    ui.messages.expect(Answer::Ok);  // the failed-save message
    OpenedFile file;
    Catalogue c = changedCatalogue(dir / "c.pmr", file);
    EXPECT_TRUE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_TRUE(c.books.changed);
    ASSERT_EQ(ui.messages.shown.size(), 2u);
    EXPECT_EQ(ui.messages.shown[1].caption, "File Error");
    EXPECT_EQ(readBytes(dir / "c.pmr"), "old");
}

TEST(ConfirmSaveChanges, YesWithoutANameRunsSaveAs) {
    TempDir dir;
    Ui ui;
    ui.messages.expect(Answer::Yes);
    OpenedFile file;
    Catalogue c = changedCatalogue("", file);
    int saveAsRuns = 0;
    ui.storage.saveAs = [&] {  // as the Save As command does: name, then save
        ++saveAsRuns;
        file.path = dir / "chosen.pmr";
        c.books.changed = true;
        saveCatalogueAsking(c, file, ui.storage);
    };
    EXPECT_FALSE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_EQ(saveAsRuns, 1);
    EXPECT_FALSE(c.books.changed);
    EXPECT_TRUE(exists(dir / "chosen.pmr"));
}

TEST(ConfirmSaveChanges, YesThenCancellingSaveAsKeepsTheProgramRunning) {
    Ui ui;
    ui.messages.expect(Answer::Yes);
    OpenedFile file;
    Catalogue c = changedCatalogue("", file);
    ui.storage.saveAs = [] {};  // the user cancelled the file dialog
    EXPECT_TRUE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_TRUE(c.books.changed);
    EXPECT_EQ(file.path, platform::SystemPath{});
}

TEST(ConfirmSaveChanges, YesThenAFailedSaveAsSaveIsNotRetried) {
    TempDir dir;
    fs::create_directory(dir / "folder.pmr");
    Ui ui;
    ui.messages.expect(Answer::Yes);
    ui.messages.expect(Answer::Ok);  // one failed-save message, not two
    OpenedFile file;
    Catalogue c = changedCatalogue("", file);
    ui.storage.saveAs = [&] {
        file.path = dir / "folder.pmr";
        c.books.changed = true;
        saveCatalogueAsking(c, file, ui.storage);
    };
    EXPECT_TRUE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_TRUE(c.books.changed);
    EXPECT_EQ(ui.messages.shown.size(), 2u);
}

TEST(ConfirmSaveChanges, YesWithoutANameAndWithoutSaveAsKeepsTheProgramRunning) {
    Ui ui;
    ui.messages.expect(Answer::Yes);
    OpenedFile file;
    Catalogue c = changedCatalogue("", file);
    EXPECT_TRUE(confirmSaveChanges(c, file, ui.storage));
    EXPECT_TRUE(c.books.changed);
}

}  // namespace
